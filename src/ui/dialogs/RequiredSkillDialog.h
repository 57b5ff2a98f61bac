#pragma once
// "Pick Skills" (frmPickReq): the player chooses at least a speciality's count of its required
// skills.

#include <QDialog>
#include <QListWidget>
#include <optional>
#include <string>
#include <vector>

#include "core/catalogue/Specialities.h"
#include "core/context/Prompter.h"

namespace dk::ui {

class RequiredSkillDialog : public QDialog {
  Q_OBJECT
 public:
  RequiredSkillDialog(RequiredSkillRequest request, Prompter& prompter, QWidget* parent = nullptr);

 private:
  friend std::optional<std::vector<std::string>> showRequiredSkillDialog(
      const RequiredSkillRequest&, Prompter&, QWidget*);
  void confirm();

  RequiredSkillRequest request_;
  Prompter& prompter_;
  QListWidget* list_ = nullptr;
  std::optional<std::vector<std::string>> picked_;
};

// Shows "Pick Skills": the chosen names, top to bottom, once "Ok" went through; nullopt after
// the close box.
std::optional<std::vector<std::string>> showRequiredSkillDialog(const RequiredSkillRequest& request,
                                                                Prompter& prompter,
                                                                QWidget* parent);

}  // namespace dk::ui
