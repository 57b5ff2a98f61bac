#include "ui/pages/GearPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gear/Money.h"
#include "ui/pages/ListViews.h"

namespace dk::ui {

GearPage::GearPage(WarriorWindow& owner, bool weapons)
    : WarriorPage(owner, weapons ? "tabWeapons" : "tabEquipment"), weapons_(weapons) {
  owned_ = weapons ? makeListView(this, "lvWeap", {"Weapon", "###"})
                   : makeListView(this, "lvEqpt", {"Equiptment", "###"});
  purse_ = new QLabel(this);
  purse_->setObjectName("lblCBLeft");
  auto* purseRow = new QHBoxLayout;
  purseRow->addWidget(new QLabel("C-Bills:", this));
  purseRow->addWidget(purse_);
  purseRow->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addLayout(purseRow);
  layout->addWidget(owned_, 1);
}

void GearPage::refresh() {
  const Warrior& w = warrior();
  // The purse gear is paid from: the equipment C-Bills until they are transferred.
  purse_->setText(QString::fromStdString(gearPurseText(w)));
  fillRows(owned_, weapons_ ? w.weapons : w.equipment, [](const GearEntry& g) {
    return QStringList{QString::fromStdString(g.name), QString::fromStdString(g.quantity)};
  });
}

}  // namespace dk::ui
