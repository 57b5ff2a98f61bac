#pragma once
// The "Skills" page: the Inner Sphere and the clan skill areas, one of them in front.

#include <QListWidget>
#include <QStackedWidget>
#include <QTreeWidget>

#include "ui/WarriorWindow.h"

namespace dk::ui {

class SkillsPage : public WarriorPage {
  Q_OBJECT
 public:
  explicit SkillsPage(WarriorWindow& owner);
  void refresh() override;

 private:
  QStackedWidget* areas_ = nullptr;
  QWidget* innerSphere_ = nullptr;
  QWidget* clan_ = nullptr;
  QTreeWidget* ownedIS_ = nullptr;
  QTreeWidget* ownedClan_ = nullptr;
  QListWidget* poolIS_ = nullptr;
  QListWidget* poolClan_ = nullptr;
};

}  // namespace dk::ui
