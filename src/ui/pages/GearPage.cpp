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

namespace {
// A catalogue's rows as its list shows them, with their price tips, worded once for all the
// windows that show the same rows: the items of every window then share these texts rather than
// hold copies of their own (hundreds of rows in each of two lists of every window).
struct ShownCatalogue {
  std::vector<GearRow> source;
  QList<QStringList> rows;
  QStringList prices;
};

const ShownCatalogue& shownCatalogue(const GearCatalogue& catalogue, GearKind kind) {
  static ShownCatalogue shown[2];
  ShownCatalogue& s = shown[kind == GearKind::Weapons ? 0 : 1];
  if (s.source != catalogue.rows) {
    s.source = catalogue.rows;
    s.rows = rowsOf(catalogue.rows, [](const GearRow& row) {
      return QStringList{QString::fromStdString(row.name), QString::fromStdString(row.type),
                         QString::fromStdString(row.cost)};
    });
    s.prices.clear();
    for (const GearRow& row : catalogue.rows) s.prices << QString::fromStdString(gearPriceTip(row));
  }
  return s;
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
  // The purse gear is paid from: the equipment C-Bills until they are transferred.
  purse_->setText(QString::fromStdString(gearPurseText(w)));
  const ShownCatalogue& shown = shownCatalogue(catalogue(kind_), kind_);
  showRows(catalogue_, shown.rows, selectedCatalogueRow(w, kind_), shown.prices);
  // Gear made at another table stays, marked.
  QStringList unknown;
  for (const GearEntry& g : gearList(w, kind_))
    unknown << QString::fromStdString(ownedGearTip(g, catalogue(kind_)));
  showRows(
      owned_,
      rowsOf(
          gearList(w, kind_),
          [](const GearEntry& g) {
            return QStringList{QString::fromStdString(g.name), QString::fromStdString(g.quantity)};
          }),
      selectedGear(w, kind_), unknown);
}

}  // namespace dk::ui
