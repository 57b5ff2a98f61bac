#include "ui/pages/SkillsPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/pages/ListViews.h"

namespace dk::ui {

namespace {
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

}  // namespace dk::ui
