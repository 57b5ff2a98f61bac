#pragma once
// The "Skills" page: the Inner Sphere and the clan skill areas, one of them in front. Each area
// has its catalogue list, the buttons "Add Pt -->" and "<-- Rem Pt", the warrior's own skills
// and the pool of unspent points.

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>

#include "core/skills/SkillAreas.h"
#include "ui/pages/WarriorPage.h"

namespace dk::ui {

class SkillsPage : public WarriorPage {
  Q_OBJECT
 public:
  explicit SkillsPage(PageHost& owner);
  void refresh() override;

 private:
  struct Area {
    QGroupBox* frame = nullptr;
    QTreeWidget* catalogue = nullptr;
    QTreeWidget* owned = nullptr;
    QListWidget* pool = nullptr;
    QPushButton* addPoint = nullptr;
    QPushButton* removePoint = nullptr;
    QPushButton* addPackage = nullptr;
    QPushButton* removePackage = nullptr;
  };
  struct AreaNames {
    const char* frame;
    const char* title;
    const char* catalogue;
    const char* owned;
    const char* pool;
    const char* addPoint;
    const char* removePoint;
    const char* addPackage;
    const char* removePackage;
  };

  void buildArea(Area& area, const AreaNames& names, QWidget* parent,
                 const QList<QPushButton*>& extraButtons);
  void connectArea(Area& area, SkillArea which);
  void refreshArea(Area& area, SkillArea which);

  QStackedWidget* areas_ = nullptr;
  Area innerSphere_;
  Area clan_;
  QPushButton* pickMos_ = nullptr;
  QPushButton* deleteMos_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace dk::ui
