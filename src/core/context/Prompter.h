#pragma once
// The one way a rule talks to the user. The window layer shows real message boxes titled
// "Drakkenfold Character Generator"; tests script the answers.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/catalogue/SkillPackage.h"
#include "core/catalogue/Specialities.h"

namespace dk {

enum class MessageIcon { None, Information, Question, Critical };

class Prompter {
 public:
  virtual ~Prompter() = default;

  // A message with an OK button.
  virtual void showMessage(const std::string& text, MessageIcon icon) = 0;

  // A word in passing, for a click the rules refuse without a message box ("Build cannot go up:
  // ..."): it goes to where the program shows such words (the frame's status line, for a few
  // seconds) and asks for no answer. Nothing happens while no one listens.
  void note(const std::string& text) {
    if (noteSink_) noteSink_(text);
  }
  void setNoteSink(std::function<void(const std::string&)> sink) { noteSink_ = std::move(sink); }

  // A question with Yes and No; true for Yes.
  virtual bool askYesNo(const std::string& text, MessageIcon icon) = 0;

  // The internal-error box: critical icon, OK and Cancel; true for OK.
  virtual bool showError(const std::string& text) = 0;

  // A one-line input box with an empty default answer. An empty answer or Cancel is no answer.
  virtual std::optional<std::string> askText(const std::string& prompt) = 0;

  // "Which Skill?": one of the given skill names, in their order. nullopt when the dialog is
  // closed without a choice.
  virtual std::optional<std::string> pickSkill(const std::vector<std::string>& skillNames) = 0;

  // "Pick Skill Packages" over the specialities read, for a warrior with poolEntries unspent
  // skill points. nullopt when the player cancels or closes it.
  virtual std::optional<SpecialityChoice> pickSpeciality(
      const std::vector<Speciality>& specialities, int poolEntries) = 0;

  // "Pick Skills": the names chosen from one speciality's required skills, top to bottom.
  // nullopt when it is closed without "Ok".
  virtual std::optional<std::vector<std::string>> pickRequiredSkills(
      const RequiredSkillRequest& request) = 0;

  // "Pick Package" over the packages read, for a warrior with that many skill points to spend:
  // the row (from 1) of the package taken, nullopt when cancelled or closed.
  virtual std::optional<int> pickPackage(const std::vector<SkillPackage>& packages, int points) = 0;

  // The planet list over the names read: the planet chosen, or nullopt when the list was closed
  // without one.
  virtual std::optional<std::string> pickPlanet(const std::vector<std::string>& planets) = 0;

 private:
  std::function<void(const std::string&)> noteSink_;
};

// A user who is not there (the command line, a batch): every question is answered No, every
// picker closed without a choice, and an error is shown as a message (Cancel). What a message is
// shown on is the one thing left to say.
class DecliningPrompter : public Prompter {
 public:
  bool askYesNo(const std::string&, MessageIcon) override { return false; }
  bool showError(const std::string& text) override {
    showMessage(text, MessageIcon::Critical);
    return false;
  }
  std::optional<std::string> askText(const std::string&) override { return std::nullopt; }
  std::optional<std::string> pickSkill(const std::vector<std::string>&) override {
    return std::nullopt;
  }
  std::optional<SpecialityChoice> pickSpeciality(const std::vector<Speciality>&, int) override {
    return std::nullopt;
  }
  std::optional<std::vector<std::string>> pickRequiredSkills(const RequiredSkillRequest&) override {
    return std::nullopt;
  }
  std::optional<int> pickPackage(const std::vector<SkillPackage>&, int) override {
    return std::nullopt;
  }
  std::optional<std::string> pickPlanet(const std::vector<std::string>&) override {
    return std::nullopt;
  }
};

}  // namespace dk
