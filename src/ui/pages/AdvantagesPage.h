#pragma once
// The "Advantages" page: the catalogue on the left, the warrior's advantages on the right,
// "Add -->" and "Reset" between them, and the points left above.

#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>

#include "ui/pages/WarriorPage.h"

namespace dk::ui {

class AdvantagesPage : public WarriorPage {
  Q_OBJECT
 public:
  explicit AdvantagesPage(PageHost& owner);
  void refresh() override;

 private:
  QListWidget* catalogue_ = nullptr;
  QTreeWidget* owned_ = nullptr;
  QLabel* points_ = nullptr;
};

}  // namespace dk::ui
