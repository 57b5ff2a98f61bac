#pragma once
// "Pick Skill Packages" (frmSkillPackage): one or two occupational specialities and a package
// type. The logic is the core's SpecialityPicker; this dialog only shows it.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <optional>

#include "core/skills/SpecialityPicker.h"

namespace dk::ui {

class SpecialityDialog : public QDialog {
  Q_OBJECT
 public:
  SpecialityDialog(const std::vector<Speciality>& specialities, int poolEntries, Prompter& prompter,
                   QWidget* parent = nullptr);

 private:
  friend std::optional<SpecialityChoice> showSpecialityDialog(const std::vector<Speciality>&, int,
                                                              Prompter&, QWidget*);
  void refresh();
  void confirm();

  SpecialityPicker picker_;
  Prompter& prompter_;
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

// Shows "Pick Skill Packages": the whole choice once "Ok" went through; nullopt after "Cancel"
// or the close box.
std::optional<SpecialityChoice> showSpecialityDialog(const std::vector<Speciality>& specialities,
                                                     int poolEntries, Prompter& prompter,
                                                     QWidget* parent);

}  // namespace dk::ui
