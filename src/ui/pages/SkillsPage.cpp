#include "ui/pages/SkillsPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/skills/ClanPackages.h"
#include "core/skills/SkillCommands.h"
#include "core/skills/SkillPackages.h"
#include "core/skills/SpecialityPicking.h"
#include "ui/widgets/ListViews.h"

namespace dk::ui {

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

// Shows the rows in a list view, rebuilding it only when they changed (a click must not pull
// the row from under the mouse), and marks the remembered selection by name.
void showRows(QTreeWidget* view, const QList<QStringList>& rows, const std::string& selected) {
  const QSignalBlocker block(view);
  bool same = view->topLevelItemCount() == rows.size();
  for (int i = 0; same && i < rows.size(); ++i) {
    const QTreeWidgetItem* item = view->topLevelItem(i);
    for (int c = 0; same && c < rows[i].size(); ++c) same = item->text(c) == rows[i][c];
  }
  if (!same) {
    view->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(rows.size());
    for (const QStringList& row : rows) {
      auto* item = new QTreeWidgetItem(row);
      item->setToolTip(0, row[0]);  // the whole name where the column cuts it short
      items << item;
    }
    view->addTopLevelItems(items);
    // The view repaints only the rows it thinks moved; the whole list is new, so is its picture.
    view->viewport()->update();
  }
  const QString name = QString::fromStdString(selected);
  QTreeWidgetItem* current = nullptr;
  for (int i = 0; !name.isEmpty() && i < view->topLevelItemCount(); ++i) {
    if (view->topLevelItem(i)->text(0) == name) current = view->topLevelItem(i);
  }
  if (current) {
    view->setCurrentItem(current);
  } else {
    view->clearSelection();
    view->setCurrentItem(nullptr);
  }
}

QList<QStringList> ownedRows(const std::vector<SkillEntry>& skills) {
  QList<QStringList> rows;
  for (const SkillEntry& s : skills)
    rows << QStringList{QString::fromStdString(s.name), QString::fromStdString(s.level),
                        QString::fromStdString(s.roll)};
  return rows;
}

QList<QStringList> catalogueRows(const std::vector<CatalogueRow>& list) {
  QList<QStringList> rows;
  for (const CatalogueRow& r : list)
    rows << QStringList{QString::fromStdString(r.name), QString::fromStdString(r.shown)};
  return rows;
}

}  // namespace

std::string SkillsPage::addStepName(SkillArea area, const std::string& skill) {
  // While a speciality is picked, "Add Pt -->" hands a level choice out rather than buying.
  const bool picking =
      area == SkillArea::InnerSphere && warrior().skillStage == kSkillStagePickingMos;
  return (picking ? "Give " : "Buy ") + skill;
}

SkillsPage::SkillsPage(PageHost& owner) : WarriorPage(owner, "tabSkills") {
  areas_ = new QStackedWidget(this);

  pickMos_ = button(areas_, "cmdPickMOSFOS", "Pick MOS");
  deleteMos_ = button(areas_, "cmdChangeMOS", "Delete MOS");
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

  connect(pickMos_, &QPushButton::clicked, this, &SkillsPage::pickMos);
  connect(deleteMos_, &QPushButton::clicked, this, &SkillsPage::removeMos);
  connect(innerSphere_.addPackage, &QPushButton::clicked, this, &SkillsPage::addInnerSpherePackage);
  connect(innerSphere_.removePackage, &QPushButton::clicked, this,
          &SkillsPage::removeInnerSpherePackage);
  connect(clan_.addPackage, &QPushButton::clicked, this,
          [this] { owner_.applyRule("Add Package", [](RuleContext& ctx) { addClanPackage(ctx); }); });
  connect(clan_.removePackage, &QPushButton::clicked, this,
          [this] {
            owner_.applyRule("Del Package", [](RuleContext& ctx) { removeClanPackage(ctx); });
          });
  connectArea(innerSphere_, SkillArea::InnerSphere);
  connectArea(clan_, SkillArea::Clan);

  // Only the clan list of owned skills sorts by a clicked heading.
  QHeaderView* heading = clan_.owned->header();
  heading->setSectionsClickable(true);
  connect(heading, &QHeaderView::sectionClicked, this,
          [this](int column) { select([&] { clickClanSkillsHeading(warrior(), column); }); });

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
  area.addPoint = button(frame, names.addPoint, "Add Pt -->");
  area.removePoint = button(frame, names.removePoint, "<-- Rem Pt");
  area.addPoint->setAccessibleName("Add a point to the skill");
  area.removePoint->setAccessibleName("Remove a point from the skill");
  area.addPackage = button(frame, names.addPackage, "Add Package");
  area.removePackage = button(frame, names.removePackage, "Del Package");

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
            if (item) select([&] { clickSkillList(warrior(), which, name(item)); });
          });
  connect(area.owned, &QTreeWidget::currentItemChanged, this,
          [this, which, name](QTreeWidgetItem* item) {
            if (item) select([&] { clickOwnedSkill(warrior(), which, name(item)); });
          });
  connect(area.catalogue, &QTreeWidget::itemDoubleClicked, this,
          [this, which, name](QTreeWidgetItem* item) {
            const std::string skill = name(item);
            owner_.applyRule(addStepName(which, skill),
                             [&](RuleContext& ctx) { doubleClickCatalogueSkill(ctx, which, skill); });
          });
  connect(area.owned, &QTreeWidget::itemDoubleClicked, this,
          [this, which, name](QTreeWidgetItem* item) {
            const std::string skill = name(item);
            owner_.applyRule("Remove " + skill,
                             [&](RuleContext& ctx) { doubleClickOwnedSkillIn(ctx, which, skill); });
          });
  if (which == SkillArea::InnerSphere) {
    // While a speciality is picked the Inner Sphere pool holds level choices: the entry
    // clicked (or reached with the keyboard) is the one handed out next.
    const auto choose = [this](int row) {
      select([&] { clickSkillPoolIS(warrior(), row); });
    };
    connect(area.pool, &QListWidget::itemClicked, this,
            [choose, pool = area.pool](QListWidgetItem* item) { choose(pool->row(item)); });
    connect(area.pool, &QListWidget::itemSelectionChanged, this, [choose, pool = area.pool] {
      const auto selected = pool->selectedItems();
      if (!selected.isEmpty()) choose(pool->row(selected.front()));
    });
  } else {
    connect(area.pool, &QListWidget::itemClicked, this,
            [this, which] { select([&] { clickSkillPool(warrior(), which); }); });
  }
  connect(area.addPoint, &QPushButton::clicked, this, [this, which] {
    owner_.applyRule(addStepName(which, warrior().selections.skillList(which)),
                     [&](RuleContext& ctx) { addSkillPointIn(ctx, which); });
  });
  connect(area.removePoint, &QPushButton::clicked, this, [this, which] {
    owner_.applyRule("Remove " + warrior().selections.owned(which),
                     [&](RuleContext& ctx) { removeSkillPointIn(ctx, which); });
  });
}

void SkillsPage::refreshArea(Area& area, SkillArea which) {
  Warrior& w = warrior();
  showRows(area.catalogue, catalogueRows(w.area(which).list), w.selections.skillList(which));
  showRows(area.owned, ownedRows(shownOwnedSkills(w, which)), w.selections.owned(which));
  fillPool(area.pool, w.area(which).pool);
  if (which == SkillArea::InnerSphere) {
    const QSignalBlocker block(area.pool);
    if (w.selections.levelChoice < 0) area.pool->clearSelection();
    area.pool->setCurrentRow(w.selections.levelChoice);
  }
}

void SkillsPage::pickMos() {
  owner_.applyRule("Pick MOS", [](RuleContext& ctx) { pickMOS(ctx); });
}

void SkillsPage::removeMos() {
  owner_.applyRule("Delete MOS", [](RuleContext& ctx) { removeMOS(ctx); });
}

void SkillsPage::addInnerSpherePackage() {
  owner_.applyRule("Add Package", [](RuleContext& ctx) { addPackage(ctx); });
}

void SkillsPage::removeInnerSpherePackage() {
  owner_.applyRule("Del Package", [](RuleContext& ctx) { removePackage(ctx); });
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

  innerSphere_.addPoint->setEnabled(w.skillButtons[kAddPtIS]);
  pickMos_->setEnabled(w.skillButtons[kPickMOSFOS]);
  innerSphere_.addPackage->setEnabled(w.skillButtons[kAddPackage]);
  innerSphere_.removePoint->setEnabled(w.skillButtons[kRemPtIS]);
  deleteMos_->setEnabled(w.skillButtons[kChangeMOS]);
  innerSphere_.removePackage->setEnabled(w.skillButtons[kDelPackage]);
  clan_.addPackage->setEnabled(clanPackageAvailable(w));
  clan_.removePackage->setEnabled(w.clanDelPackageEnabled);

  status_->setText(QString::fromStdString(w.currentActivity));
}

}  // namespace dk::ui
