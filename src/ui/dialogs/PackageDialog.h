#pragma once
// "Pick Package" (frmPackage): a ready-made skill package, its skills and its cost. The logic
// is the core's PackagePicker; this dialog only shows it.

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <optional>

#include "skills/PackagePicker.h"

namespace dk::ui {

class PackageDialog : public QDialog {
  Q_OBJECT
 public:
  PackageDialog(const std::vector<SkillPackage>& packages, int points, QWidget* parent = nullptr);

  // The row (from 1) of the package taken; nullopt after "Cancel" or the close box.
  std::optional<int> taken() const { return taken_; }

 private:
  void refresh();

  PackagePicker picker_;
  std::optional<int> taken_;
  QListWidget* packages_ = nullptr;
  QTreeWidget* skills_ = nullptr;
  QLineEdit* cost_ = nullptr;
};

}  // namespace dk::ui
