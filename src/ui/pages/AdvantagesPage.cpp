#include "ui/pages/AdvantagesPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/pages/ListViews.h"

namespace dk::ui {

AdvantagesPage::AdvantagesPage(WarriorWindow& owner) : WarriorPage(owner, "tabAdvantages") {
  owned_ = makeListView(this, "lvAdv", {"Advantage", "Points"});
  points_ = new QLabel(this);
  points_->setObjectName("lblPoints");
  auto* pointsRow = new QHBoxLayout;
  pointsRow->addWidget(new QLabel("Available Points:", this));
  pointsRow->addWidget(points_);
  pointsRow->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addLayout(pointsRow);
  layout->addWidget(owned_, 1);
}

void AdvantagesPage::refresh() {
  const Warrior& w = warrior();
  points_->setText(QString::fromStdString(w.advantagePoints));
  fillRows(owned_, w.advantages, [](const AdvantageEntry& a) {
    return QStringList{QString::fromStdString(a.name), QString::fromStdString(a.level)};
  });
}

}  // namespace dk::ui
