#pragma once
// The "Weapons" and "Equipment" pages: the catalogue on the left, the warrior's own gear on the
// right, "Add -->" and "<-- Remove" between them, and the purse gear is paid from.

#include <QLabel>
#include <QTreeWidget>

#include "core/catalogue/GearCatalogue.h"
#include "ui/pages/WarriorPage.h"

namespace dk::ui {

// "Weapons" and "Equipment" work the same way.
class GearPage : public WarriorPage {
  Q_OBJECT
 public:
  GearPage(PageHost& owner, GearKind kind);
  void refresh() override;

 private:
  GearKind kind_;
  QTreeWidget* catalogue_ = nullptr;
  QTreeWidget* owned_ = nullptr;
  QLabel* purse_ = nullptr;
  QStringList prices_;  // each catalogue row's price, as its tooltip says it
};

}  // namespace dk::ui
