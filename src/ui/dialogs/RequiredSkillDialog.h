#pragma once
// "Pick Skills" (frmPickReq): the player chooses at least a speciality's count of its required
// skills.

#include <QDialog>
#include <QListWidget>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/Specialities.h"

namespace dk::ui {

class RequiredSkillDialog : public QDialog {
  Q_OBJECT
 public:
  explicit RequiredSkillDialog(RequiredSkillRequest request, QWidget* parent = nullptr);

  // The chosen names, top to bottom, once "Ok" went through; nullopt after the close box.
  const std::optional<std::vector<std::string>>& picked() const { return picked_; }

 private:
  void confirm();

  RequiredSkillRequest request_;
  QListWidget* list_ = nullptr;
  std::optional<std::vector<std::string>> picked_;
};

}  // namespace dk::ui
