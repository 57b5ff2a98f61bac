#pragma once
#include <QDialog>
#include <QListWidget>
#include <optional>
#include <string>
#include <vector>

#include "context/Prompter.h"

namespace dk::ui {

// "Which Skill?" (frmSkills): the skill names in catalogue order in lstSkill, and "Ok". Ok
// without a selection says so and keeps the dialog open; closing it otherwise chooses nothing.
class SkillPickerDialog : public QDialog {
  Q_OBJECT
 public:
  SkillPickerDialog(const std::vector<std::string>& skillNames, Prompter& prompter,
                    QWidget* parent = nullptr);

  // The name chosen with "Ok"; nullopt when the dialog was closed without one.
  std::optional<std::string> choice() const { return choice_; }

 private:
  void ok();

  Prompter& prompter_;
  QListWidget* list_ = nullptr;
  std::optional<std::string> choice_;
};

}  // namespace dk::ui
