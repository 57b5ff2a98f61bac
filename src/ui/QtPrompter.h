#pragma once
#include <QPointer>
#include <QWidget>

#include "core/context/Prompter.h"

namespace dk::ui {

// The Prompter on real windows: message boxes and input boxes titled "Drakkenfold Character
// Generator" and the pickers, opened modally with exec() over the dialog open at the time, else
// over the given window (or the active window when none is given).
class QtPrompter : public Prompter {
 public:
  explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  void showMessage(const std::string& text, MessageIcon icon) override;
  bool askYesNo(const std::string& text, MessageIcon icon) override;
  bool showError(const std::string& text) override;
  std::optional<std::string> askText(const std::string& prompt) override;
  std::optional<std::string> pickSkill(const std::vector<std::string>& skillNames) override;
  std::optional<SpecialityChoice> pickSpeciality(const std::vector<Speciality>& specialities,
                                                 int poolEntries) override;
  std::optional<std::vector<std::string>> pickRequiredSkills(
      const RequiredSkillRequest& request) override;
  std::optional<int> pickPackage(const std::vector<SkillPackage>& packages, int points) override;
  std::optional<std::string> pickPlanet(const std::vector<std::string>& planets) override;

 private:
  QWidget* owner() const;
  QPointer<QWidget> parent_;
};

}  // namespace dk::ui
