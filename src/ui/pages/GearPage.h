#pragma once
// The "Weapons" and "Equipment" pages.

#include <QLabel>
#include <QTreeWidget>

#include "ui/WarriorWindow.h"

namespace dk::ui {

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
