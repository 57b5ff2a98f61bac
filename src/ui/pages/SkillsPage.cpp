#include "ui/pages/SkillsPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/app/Explain.h"
#include "core/skills/ClanPackages.h"
#include "core/skills/SkillCommands.h"
#include "core/skills/SkillPackages.h"
#include "core/skills/SpecialityPicking.h"
#include "ui/widgets/ListViews.h"

namespace dk::ui {

namespace {

QList<QStringList> ownedRows(const std::vector<SkillEntry>& skills) {
  QList<QStringList> rows;
  for (const SkillEntry& s : skills)
    rows << QStringList{sharedText(s.name), sharedText(s.level), sharedText(s.roll)};
  return rows;
}

QList<QStringList> catalogueRows(const std::vector<CatalogueRow>& list) {
  QList<QStringList> rows;
  for (const CatalogueRow& r : list) rows << QStringList{sharedText(r.name), sharedText(r.shown)};
  return rows;
}

}  // namespace

SkillsPage::SkillsPage(PageHost& owner) : WarriorPage(owner, "tabSkills") {
  areas_ = new QStackedWidget(this);

  pickMos_ = makeButton(areas_, "cmdPickMOSFOS", "Pick MOS");
  deleteMos_ = makeButton(areas_, "cmdChangeMOS", "Delete MOS");
  buildArea(innerSphere_,
            {"fraIS", "Inner Sphere Skills", "lvSkillLstIS", "lvSkillsIS", "lstPointsIS",
             "cmdAddPtIS", "cmdRemPtIS", "cmdAddPackage", "cmdDelPackage"},
            areas_, {pickMos_, deleteMos_});
  buildArea(clan_,
            {"fraClan", "Clan Skills", "lvSkillLst", "lvSkills", "lstPoints", "cmdAddPt",
             "cmdRemPt", "Command1", "Command2"},
            areas_, {});
  areas_->addWidget(innerSphere_.frame);
  areas_->addWidget(clan_.frame);

  status_ = new QLabel(this);
  status_->setObjectName("lblCurr");

  bind(pickMos_, commands::pickSpeciality());
  bind(deleteMos_, commands::removeSpeciality());
  connectArea(innerSphere_, SkillArea::InnerSphere);
  connectArea(clan_, SkillArea::Clan);

  // Only the clan list of owned skills sorts by a clicked heading.
  QHeaderView* heading = clan_.owned->header();
  heading->setSectionsClickable(true);
  connect(heading, &QHeaderView::sectionClicked, this,
          [this](int column) { run(commands::sortClanSkills(column)); });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(2);
  layout->addWidget(areas_, 1);
  layout->addWidget(status_);
}

void SkillsPage::buildArea(Area& area, const AreaNames& names, QWidget* parent,
                           const QList<QPushButton*>& extraButtons) {
  auto* frame = new QGroupBox(names.title, parent);
  frame->setObjectName(names.frame);
  area.frame = frame;
  const QString which = QString(names.title).remove(" Skills");  // "Inner Sphere", "Clan"
  area.catalogue =
      makeListView(frame, names.catalogue, {"Skill", "Characteristic"}, which + " skill list");
  area.owned =
      makeListView(frame, names.owned, {"Skill", "Level", "Roll"}, which + " skills owned");
  area.pool = new QListWidget(frame);
  area.pool->setObjectName(names.pool);
  area.pool->setAccessibleName(which + " skill points left");
  area.addPoint = makeButton(frame, names.addPoint, "Add Pt -->");
  area.removePoint = makeButton(frame, names.removePoint, "<-- Rem Pt");
  area.addPoint->setAccessibleName("Add a point to the skill");
  area.removePoint->setAccessibleName("Remove a point from the skill");
  area.addPackage = makeButton(frame, names.addPackage, "Add Package");
  area.removePackage = makeButton(frame, names.removePackage, "Del Package");

  const QFontMetrics metrics = frame->fontMetrics();
  area.pool->setFixedWidth(metrics.horizontalAdvance("Points") + 12);

  auto* poolColumn = new QVBoxLayout;
  poolColumn->setSpacing(2);
  poolColumn->addWidget(new QLabel("Points", frame));
  poolColumn->addWidget(area.pool, 1);

  // The catalogue gets the larger share of the width for its wider second column.
  auto* lists = new QHBoxLayout;
  lists->setSpacing(4);
  lists->addWidget(area.catalogue, 6);
  lists->addWidget(area.owned, 5);
  lists->addLayout(poolColumn);

  // "Add Pt -->" and "<-- Rem Pt" under the meeting of the two lists, pointing the way the
  // points go.
  auto* points = new QHBoxLayout;
  points->setSpacing(6);
  points->addStretch(6);
  points->addWidget(area.addPoint);
  points->addWidget(area.removePoint);
  points->addStretch(5);

  auto* packages = new QHBoxLayout;
  packages->setSpacing(4);
  QList<QWidget*> tabChain{area.catalogue, area.owned, area.pool, area.addPoint, area.removePoint};
  for (QPushButton* extra : extraButtons) {
    extra->setParent(frame);
    packages->addWidget(extra);
    tabChain << extra;
  }
  packages->addWidget(area.addPackage);
  packages->addWidget(area.removePackage);
  packages->addStretch(1);
  tabChain << area.addPackage << area.removePackage;
  setTabChain(tabChain);

  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);
  layout->addLayout(lists, 1);
  layout->addLayout(points);
  layout->addLayout(packages);
}

void SkillsPage::connectArea(Area& area, SkillArea which) {
  const auto name = [](QTreeWidgetItem* item) {
    return item ? item->text(0).toStdString() : std::string();
  };
  // A click, or the keyboard moving the current row, remembers the row.
  connect(area.catalogue, &QTreeWidget::currentItemChanged, this,
          [this, which, name](QTreeWidgetItem* item) {
            if (item) run(commands::selectCatalogueSkill(which, name(item)));
          });
  connect(area.owned, &QTreeWidget::currentItemChanged, this,
          [this, which, name](QTreeWidgetItem* item) {
            if (item) run(commands::selectOwnedSkill(which, name(item)));
          });
  connect(area.catalogue, &QTreeWidget::itemDoubleClicked, this,
          [this, which, name](QTreeWidgetItem* item) {
            run(commands::takeCatalogueSkill(which, name(item)));
          });
  connect(area.owned, &QTreeWidget::itemDoubleClicked, this,
          [this, which, name](QTreeWidgetItem* item) {
            run(commands::dropOwnedSkill(which, name(item)));
          });
  // The pool entry clicked (or, in the Inner Sphere area, reached with the keyboard).
  const auto choose = [this, which](int row) { run(commands::selectPoolEntry(which, row)); };
  connect(area.pool, &QListWidget::itemClicked, this,
          [choose, pool = area.pool](QListWidgetItem* item) { choose(pool->row(item)); });
  if (which == SkillArea::InnerSphere) {
    connect(area.pool, &QListWidget::itemSelectionChanged, this, [choose, pool = area.pool] {
      const auto selected = pool->selectedItems();
      if (!selected.isEmpty()) choose(pool->row(selected.front()));
    });
  }
  bind(area.addPoint, commands::addSkillPoint(which));
  bind(area.removePoint, commands::removeSkillPoint(which));
  bind(area.addPackage, commands::addPackage(which));
  bind(area.removePackage, commands::removePackage(which));
}

void SkillsPage::refreshArea(Area& area, SkillArea which) {
  Warrior& w = warrior();
  // The catalogue says what the next level of each skill costs, the owned list how each roll is
  // worked out.
  QStringList prices;
  for (const CatalogueRow& r : w.area(which).list)
    prices << sharedText(skillPriceTip(w, which, r.name));
  showRows(area.catalogue, catalogueRows(w.area(which).list), w.selections.skillList(which),
           prices);
  const std::vector<SkillEntry> owned = shownOwnedSkills(w, which);
  QStringList rolls;
  for (const SkillEntry& s : owned) rolls << sharedText(skillRollTip(s, w, skillCatalogue()));
  showRows(area.owned, ownedRows(owned), w.selections.owned(which), rolls);
  showEntries(area.pool, entriesOf(w.area(which).pool));
  if (which == SkillArea::InnerSphere) {
    const QSignalBlocker block(area.pool);
    if (w.selections.levelChoice < 0) area.pool->clearSelection();
    area.pool->setCurrentRow(w.selections.levelChoice);
  }
}

void SkillsPage::refresh() {
  const Warrior& w = warrior();
  // The race decides which skill area is in front.
  areas_->setCurrentWidget(w.isClan ? clan_.frame : innerSphere_.frame);
  refreshArea(innerSphere_, SkillArea::InnerSphere);
  refreshArea(clan_, SkillArea::Clan);

  QHeaderView* heading = clan_.owned->header();
  if (w.selections.clanSortColumn >= 0)
    heading->setSortIndicator(w.selections.clanSortColumn, Qt::AscendingOrder);
  heading->setSortIndicatorShown(w.selections.clanSortColumn >= 0);

  // A closed button says why in its tooltip.
  const std::pair<QPushButton*, SkillButton> buttons[] = {
      {innerSphere_.addPoint, kAddPtIS},
      {pickMos_, kPickMOSFOS},
      {innerSphere_.addPackage, kAddPackage},
      {innerSphere_.removePoint, kRemPtIS},
      {deleteMos_, kChangeMOS},
      {innerSphere_.removePackage, kDelPackage}};
  for (const auto& [button, which] : buttons) {
    button->setEnabled(w.skillButtons[which]);
    button->setToolTip(QString::fromStdString(closedButtonTip(w, which)));
  }
  clan_.addPackage->setEnabled(clanPackageAvailable(w));
  clan_.addPackage->setToolTip(QString::fromStdString(closedClanPackageTip(w, true)));
  clan_.removePackage->setEnabled(w.clanDelPackageEnabled);
  clan_.removePackage->setToolTip(QString::fromStdString(closedClanPackageTip(w, false)));

  status_->setText(QString::fromStdString(w.currentActivity));
}

}  // namespace dk::ui
