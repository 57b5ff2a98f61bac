#pragma once
// The forge's own user: it answers every question and dialog a rule opens at once, as the dice
// and the profile say, and keeps count of the refusals it is shown. It never shows anything.

#include <set>
#include <string>

#include "core/catalogue/ForgeCatalogue.h"
#include "core/context/Prompter.h"
#include "core/forge/RandomSource.h"

namespace dk {

class ForgePrompter : public Prompter {
 public:
  ForgePrompter(RandomSource& dice, const Profile& profile) : dice_(dice), profile_(profile) {}

  // The questions answered Yes; every other one is answered No.
  std::set<std::string> yesTo;
  // The skill "Which Skill?" is answered with, when it is offered.
  std::string skill;
  // Boxes shown (a refusal of the rules, or a file that could not be read).
  int messages = 0;

  void showMessage(const std::string&, MessageIcon) override { ++messages; }
  bool askYesNo(const std::string& text, MessageIcon) override { return yesTo.count(text) > 0; }
  bool showError(const std::string&) override {
    ++messages;
    return false;
  }
  std::optional<std::string> askText(const std::string&) override { return std::nullopt; }
  std::optional<std::string> pickSkill(const std::vector<std::string>& names) override;
  // One speciality (now and then two) the profile prefers, through the dialog's own checks, with
  // a package type the skill points pay for.
  std::optional<SpecialityChoice> pickSpeciality(const std::vector<Speciality>& specialities,
                                                 int poolEntries) override;
  std::optional<std::vector<std::string>> pickRequiredSkills(
      const RequiredSkillRequest& request) override;
  std::optional<int> pickPackage(const std::vector<SkillPackage>& packages, int points) override;
  std::optional<std::string> pickPlanet(const std::vector<std::string>& planets) override;

 private:
  RandomSource& dice_;
  const Profile& profile_;
};

}  // namespace dk
