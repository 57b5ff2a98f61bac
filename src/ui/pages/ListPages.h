#pragma once
// The pages built around the warrior's lists: skills, advantages, weapons and equipment.

#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QTreeWidget>

#include "ui/WarriorWindow.h"

namespace dk::ui {

// A list view in report mode with the given column captions.
QTreeWidget* makeListView(QWidget* parent, const char* objectName, const QStringList& columns);

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

class AdvantagesPage : public WarriorPage {
  Q_OBJECT
 public:
  explicit AdvantagesPage(WarriorWindow& owner);
  void refresh() override;

 private:
  QTreeWidget* owned_ = nullptr;
  QLabel* points_ = nullptr;
};

// "Weapons" and "Equipment" work the same way.
class GearPage : public WarriorPage {
  Q_OBJECT
 public:
  GearPage(WarriorWindow& owner, bool weapons);
  void refresh() override;

 private:
  bool weapons_;
  QTreeWidget* owned_ = nullptr;
  QLabel* purse_ = nullptr;
};

}  // namespace dk::ui
