#pragma once
// "Pick Skill Packages" (frmSkillPackage): one or two occupational specialities and a package
// type. The logic is the core's SpecialityPicker; this dialog only shows it.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <optional>

#include "skills/SpecialityPicker.h"

namespace dk::ui {

class SpecialityDialog : public QDialog {
  Q_OBJECT
 public:
  SpecialityDialog(const std::vector<Speciality>& specialities, int poolEntries,
                   QWidget* parent = nullptr);

  // The whole choice once "Ok" went through; nullopt after "Cancel" or the close box.
  const std::optional<SpecialityChoice>& choice() const { return choice_; }

 private:
  void refresh();
  void confirm();

  SpecialityPicker picker_;
  std::optional<SpecialityChoice> choice_;
  QListWidget* specialities_ = nullptr;
  QLabel* requiredHeading_ = nullptr;
  QListWidget* required_ = nullptr;
  QListWidget* electives_ = nullptr;
  QListWidget* gatheredRequired_ = nullptr;
  QListWidget* gatheredElectives_ = nullptr;
  QComboBox* packageType_ = nullptr;
  QPushButton* add_ = nullptr;
};

}  // namespace dk::ui
