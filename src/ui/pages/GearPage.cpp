#include "ui/pages/GearPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/gear/Gear.h"
#include "core/gear/Money.h"
#include "ui/widgets/ListViews.h"

namespace dk::ui {

namespace {
// Remembers the row the user picks in a list as the record's selection for that list.
void rememberSelection(QTreeWidget* view, PageHost& owner,
                       std::string& (*selection)(Warrior&, GearKind), GearKind kind) {
  QObject::connect(view, &QTreeWidget::itemSelectionChanged, view, [view, &owner, selection, kind] {
    const auto items = view->selectedItems();
    if (items.isEmpty()) return;
    selection(owner.warrior(), kind) = items.first()->text(0).toStdString();
  });
}
}  // namespace

GearPage::GearPage(PageHost& owner, GearKind kind)
    : WarriorPage(owner, kind == GearKind::Weapons ? "tabWeapons" : "tabEquipment"), kind_(kind) {
  const bool weapons = kind == GearKind::Weapons;
  catalogue_ =
      weapons ? makeListView(this, "lstWeapList", {"Weapon", "Type", "Cost"}, "Weapons for sale")
              : makeListView(this, "lstEqptList", {"Name", "Type", "Cost"}, "Equipment for sale");
  owned_ = weapons ? makeListView(this, "lvWeap", {"Weapon", "###"}, "Weapons owned")
                   : makeListView(this, "lvEqpt", {"Equiptment", "###"}, "Equipment owned");
  for (QTreeWidget* view : {catalogue_, owned_}) {
    sortOnHeaderClick(view);
    view->header()->setMinimumSectionSize(28);
  }
  // Long item names get the room; type and cost take what their texts need.
  catalogue_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  catalogue_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);

  auto* addButton = new QPushButton("Add -->", this);
  addButton->setObjectName(weapons ? "cmdAddWeap" : "cmdAddEqpt");
  auto* removeButton = new QPushButton("<-- Remove", this);
  removeButton->setObjectName(weapons ? "cmdRemWeap" : "cmdRemEqpt");
  addButton->setAccessibleName("Add");
  removeButton->setAccessibleName("Remove");

  purse_ = new QLabel(this);
  purse_->setObjectName("lblCBLeft");
  purse_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  // The window starts narrow, so the catalogue sits above the warrior's own list and both get
  // the full width for their names and costs; between them the money left and the two buttons.
  auto* middle = new QHBoxLayout;
  middle->addWidget(new QLabel("C-Bills:", this));
  middle->addWidget(purse_);
  middle->addStretch();
  middle->addWidget(addButton);
  middle->addWidget(removeButton);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(catalogue_, 3);
  layout->addLayout(middle);
  layout->addWidget(owned_, 2);
  setTabChain({catalogue_, addButton, removeButton, owned_});

  rememberSelection(catalogue_, owner_, &selectedCatalogueRow, kind_);
  rememberSelection(owned_, owner_, &selectedGear, kind_);
  connect(addButton, &QPushButton::clicked, this, &GearPage::buy);
  connect(removeButton, &QPushButton::clicked, this, &GearPage::remove);
  // A double click buys or returns the row clicked.
  connect(catalogue_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    const std::string row = item->text(0).toStdString();
    owner_.applyRule("Buy " + row, [&](RuleContext& ctx) {
      doubleClickCatalogueGear(ctx, kind_, owner_.catalogue(kind_), row);
    });
  });
  connect(owned_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    const std::string row = item->text(0).toStdString();
    owner_.applyRule("Return " + row, [&](RuleContext& ctx) {
      doubleClickOwnedGear(ctx, kind_, owner_.catalogue(kind_), row);
    });
  });

  fillCatalogue();
}

void GearPage::fillCatalogue() {
  fillRows(catalogue_, owner_.catalogue(kind_).rows, [](const GearRow& row) {
    return QStringList{QString::fromStdString(row.name), QString::fromStdString(row.type),
                       QString::fromStdString(row.cost)};
  });
  for (int i = 0; i < catalogue_->topLevelItemCount(); ++i)
    catalogue_->topLevelItem(i)->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
}

void GearPage::buy() {
  owner_.applyRule("Buy " + selectedCatalogueRow(warrior(), kind_),
                   [this](RuleContext& ctx) { buyGear(ctx, kind_, owner_.catalogue(kind_)); });
}

void GearPage::remove() {
  owner_.applyRule("Return " + selectedGear(warrior(), kind_),
                   [this](RuleContext& ctx) { removeGear(ctx, kind_, owner_.catalogue(kind_)); });
}

void GearPage::refresh() {
  Warrior& w = warrior();
  // The purse gear is paid from: the equipment C-Bills until they are transferred.
  purse_->setText(QString::fromStdString(gearPurseText(w)));
  fillRows(owned_, gearList(w, kind_), [](const GearEntry& g) {
    return QStringList{QString::fromStdString(g.name), QString::fromStdString(g.quantity)};
  });
  for (int i = 0; i < owned_->topLevelItemCount(); ++i)
    owned_->topLevelItem(i)->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace dk::ui
