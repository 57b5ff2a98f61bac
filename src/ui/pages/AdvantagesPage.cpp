#include "ui/pages/AdvantagesPage.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/Explain.h"
#include "core/gear/Advantages.h"
#include "ui/widgets/ListViews.h"

namespace dk::ui {

AdvantagesPage::AdvantagesPage(PageHost& owner) : WarriorPage(owner, "tabAdvantages") {
  catalogue_ = new QListWidget(this);
  catalogue_->setObjectName("lstAdv");
  catalogue_->setAccessibleName("Advantages to choose from");
  catalogue_->setSelectionMode(QAbstractItemView::SingleSelection);
  // The list keeps its entries in alphabetical order.
  // Each says its price and how far it goes before it is bought.
  for (const auto& name : advantagesAlphabetically()) {
    auto* item = new QListWidgetItem(QString::fromStdString(name), catalogue_);
    item->setToolTip(QString::fromStdString(advantagePriceTip(name)));
  }
  catalogue_->setSortingEnabled(true);

  owned_ = makeListView(this, "lvAdv", {"Advantage", "Points"}, "Advantages taken");
  sortOnHeaderClick(owned_);

  points_ = new QLabel(this);
  points_->setObjectName("lblPoints");
  auto* pointsRow = new QHBoxLayout;
  pointsRow->addWidget(new QLabel("Available Points:", this));
  pointsRow->addWidget(points_);
  pointsRow->addStretch();

  auto* add = new QPushButton("Add -->", this);
  add->setObjectName("cmdAdvAdd");
  add->setAccessibleName("Add");
  auto* reset = new QPushButton("Reset", this);
  reset->setObjectName("cmdAdvRem");
  auto* buttons = new QVBoxLayout;
  buttons->addStretch();
  buttons->addWidget(add);
  buttons->addWidget(reset);
  buttons->addStretch();

  auto* lists = new QHBoxLayout;
  lists->setSpacing(6);
  lists->addWidget(catalogue_, 2);
  lists->addLayout(buttons);
  lists->addWidget(owned_, 3);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addLayout(pointsRow);
  layout->addLayout(lists, 1);
  setTabChain({catalogue_, add, reset, owned_});

  connect(catalogue_, &QListWidget::itemSelectionChanged, this, [this] {
    const auto items = catalogue_->selectedItems();
    if (!items.isEmpty()) run(commands::selectAdvantage(items.first()->text().toStdString()));
  });
  connect(catalogue_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    run(commands::takeAdvantage(item->text().toStdString()));
  });
  bind(add, commands::buyAdvantage());
  bind(reset, commands::resetAdvantages());
}

void AdvantagesPage::refresh() {
  const Warrior& w = warrior();
  points_->setText(QString::fromStdString(w.advantagePoints));
  const auto rows = rowsOf(w.advantages, [](const AdvantageEntry& a) {
    return QStringList{QString::fromStdString(a.name), QString::fromStdString(a.level)};
  });
  showRows(owned_, rows, currentName(owned_));
}

}  // namespace dk::ui
