#pragma once
// The "Advantages" page.

#include <QLabel>
#include <QTreeWidget>

#include "ui/WarriorWindow.h"

namespace dk::ui {

class AdvantagesPage : public WarriorPage {
  Q_OBJECT
 public:
  explicit AdvantagesPage(WarriorWindow& owner);
  void refresh() override;

 private:
  QTreeWidget* owned_ = nullptr;
  QLabel* points_ = nullptr;
};

}  // namespace dk::ui
