#pragma once
#include <QDialog>
#include <QListWidget>
#include <optional>
#include <string>
#include <vector>

#include "core/context/Prompter.h"

namespace dk::ui {

// "Which Skill?" (frmSkills): the skill names in catalogue order in lstSkill, and "Ok". Ok
// without a selection says so and keeps the dialog open; closing it otherwise chooses nothing.
class SkillPickerDialog : public QDialog {
  Q_OBJECT
 public:
  SkillPickerDialog(const std::vector<std::string>& skillNames, Prompter& prompter,
                    QWidget* parent = nullptr);

 private:
  friend std::optional<std::string> showSkillPicker(const std::vector<std::string>&, Prompter&,
                                                    QWidget*);
  void ok();

  Prompter& prompter_;
  QListWidget* list_ = nullptr;
  std::optional<std::string> choice_;
};

// Shows "Which Skill?" centred on the screen: the name chosen with "Ok", or nullopt when the
// dialog was closed without one.
std::optional<std::string> showSkillPicker(const std::vector<std::string>& skillNames,
                                           Prompter& prompter, QWidget* parent);

}  // namespace dk::ui
