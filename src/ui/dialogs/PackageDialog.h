#pragma once
// "Pick Package" (frmPackage): a ready-made skill package, its skills and its cost. The logic
// is the core's PackagePicker; this dialog only shows it.

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <optional>

#include "core/skills/PackagePicker.h"

namespace dk::ui {

class PackageDialog : public QDialog {
  Q_OBJECT
 public:
  PackageDialog(const std::vector<SkillPackage>& packages, int points, Prompter& prompter,
                QWidget* parent = nullptr);

 private:
  friend std::optional<int> showPackageDialog(const std::vector<SkillPackage>&, int, Prompter&,
                                              QWidget*);
  void refresh();

  PackagePicker picker_;
  Prompter& prompter_;
  std::optional<int> taken_;
  QListWidget* packages_ = nullptr;
  QTreeWidget* skills_ = nullptr;
  QLineEdit* cost_ = nullptr;
};

// Shows "Pick Package": the row (from 1) of the package taken, nullopt after "Cancel" or the
// close box.
std::optional<int> showPackageDialog(const std::vector<SkillPackage>& packages, int points,
                                     Prompter& prompter, QWidget* parent);

}  // namespace dk::ui
