#include "ui/pages/ListPages.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "gear/Money.h"

namespace dk::ui {

QTreeWidget* makeListView(QWidget* parent, const char* objectName, const QStringList& columns) {
  auto* view = new QTreeWidget(parent);
  view->setObjectName(objectName);
  view->setColumnCount(columns.size());
  view->setHeaderLabels(columns);
  view->setRootIsDecorated(false);
  view->setUniformRowHeights(true);
  view->setAllColumnsShowFocus(true);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->header()->setStretchLastSection(false);
  view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int c = 1; c < columns.size(); ++c)
    view->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
  return view;
}

namespace {
// Rewrites the rows of a list view, keeping the selected row by name.
template <typename Row, typename Columns>
void fillRows(QTreeWidget* view, const std::vector<Row>& rows, Columns columns) {
  const QString selected = view->currentItem() ? view->currentItem()->text(0) : QString();
  const QSignalBlocker block(view);
  view->clear();
  for (const Row& row : rows) {
    auto* item = new QTreeWidgetItem(view, columns(row));
    if (item->text(0) == selected) view->setCurrentItem(item);
  }
}

void fillPool(QListWidget* list, const std::vector<std::int16_t>& pool) {
  const QSignalBlocker block(list);
  list->clear();
  for (auto entry : pool) list->addItem(QString::number(entry));
}

QWidget* skillArea(QWidget* parent, const char* frameName, const QString& title,
                   QTreeWidget*& owned, const char* ownedName, QListWidget*& pool,
                   const char* poolName) {
  auto* frame = new QGroupBox(title, parent);
  frame->setObjectName(frameName);
  owned = makeListView(frame, ownedName, {"Skill", "Level", "Roll"});
  pool = new QListWidget(frame);
  pool->setObjectName(poolName);
  pool->setMaximumWidth(60);
  auto* poolColumn = new QVBoxLayout;
  poolColumn->addWidget(new QLabel("Points", frame));
  poolColumn->addWidget(pool);
  auto* layout = new QHBoxLayout(frame);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(owned, 1);
  layout->addLayout(poolColumn);
  return frame;
}
}  // namespace

SkillsPage::SkillsPage(WarriorWindow& owner) : WarriorPage(owner, "tabSkills") {
  areas_ = new QStackedWidget(this);
  innerSphere_ = skillArea(areas_, "fraIS", "Inner Sphere Skills", ownedIS_, "lvSkillsIS", poolIS_,
                           "lstPointsIS");
  clan_ =
      skillArea(areas_, "fraClan", "Clan Skills", ownedClan_, "lvSkills", poolClan_, "lstPoints");
  areas_->addWidget(innerSphere_);
  areas_->addWidget(clan_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(areas_, 1);
}

void SkillsPage::refresh() {
  const Warrior& w = warrior();
  // The race decides which skill area is in front.
  areas_->setCurrentWidget(w.isClan ? clan_ : innerSphere_);
  const auto columns = [](const SkillEntry& s) {
    return QStringList{QString::fromStdString(s.name), QString::fromStdString(s.level),
                       QString::fromStdString(s.roll)};
  };
  fillRows(ownedIS_, w.skillsIS, columns);
  fillRows(ownedClan_, w.skillsClan, columns);
  fillPool(poolIS_, w.skillPoolIS);
  fillPool(poolClan_, w.skillPoolClan);
}

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
