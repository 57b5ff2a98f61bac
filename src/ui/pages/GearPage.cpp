#include "ui/pages/GearPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/Explain.h"
#include "core/gear/Gear.h"
#include "core/gear/Money.h"
#include "ui/widgets/ListViews.h"

namespace dk::ui {

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
  // The numbers stand to the right of their columns.
  alignNumbersRight(catalogue_, 2);
  alignNumbersRight(owned_, 1);

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

  // The row the user picks in a list is the record's selection for that list.
  for (QTreeWidget* view : {catalogue_, owned_}) {
    connect(view, &QTreeWidget::itemSelectionChanged, this, [this, view] {
      const auto items = view->selectedItems();
      if (items.isEmpty()) return;
      const std::string row = items.first()->text(0).toStdString();
      run(view == catalogue_ ? commands::selectCatalogueGear(kind_, row)
                             : commands::selectOwnedGear(kind_, row));
    });
  }
  bind(addButton, commands::buyGear(kind_, catalogue(kind_)));
  bind(removeButton, commands::returnGear(kind_, catalogue(kind_)));
  // A double click buys or returns the row clicked.
  connect(catalogue_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    run(commands::takeCatalogueGear(kind_, catalogue(kind_), item->text(0).toStdString()));
  });
  connect(owned_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    run(commands::returnOwnedGear(kind_, catalogue(kind_), item->text(0).toStdString()));
  });
}

void GearPage::refresh() {
  Warrior& w = warrior();
  // The catalogue of a window never changes: its prices are worded once.
  if (prices_.isEmpty())
    for (const GearRow& row : catalogue(kind_).rows) prices_ << sharedText(gearPriceTip(row));
  // The purse gear is paid from: the equipment C-Bills until they are transferred.
  purse_->setText(QString::fromStdString(gearPurseText(w)));
  showRows(
      catalogue_,
      rowsOf(catalogue(kind_).rows,
             [](const GearRow& row) {
               return QStringList{sharedText(row.name), sharedText(row.type), sharedText(row.cost)};
             }),
      selectedCatalogueRow(w, kind_), prices_);
  // Gear made at another table stays, marked.
  QStringList unknown;
  for (const GearEntry& g : gearList(w, kind_))
    unknown << QString::fromStdString(ownedGearTip(g, catalogue(kind_)));
  showRows(owned_,
           rowsOf(gearList(w, kind_),
                  [](const GearEntry& g) {
                    return QStringList{sharedText(g.name), sharedText(g.quantity)};
                  }),
           selectedGear(w, kind_), unknown);
}

}  // namespace dk::ui
