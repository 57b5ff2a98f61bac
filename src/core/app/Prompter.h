#pragma once
// The one way a rule talks to the user. The window layer shows real message boxes titled
// "Drakkenfold Character Generator"; tests script the answers.

#include <optional>
#include <string>
#include <vector>

namespace dk {

enum class MessageIcon { None, Information, Question, Critical };

class Prompter {
 public:
  virtual ~Prompter() = default;

  // A message with an OK button.
  virtual void showMessage(const std::string& text, MessageIcon icon) = 0;

  // A question with Yes and No; true for Yes.
  virtual bool askYesNo(const std::string& text, MessageIcon icon) = 0;

  // The internal-error box: critical icon, OK and Cancel; true for OK.
  virtual bool showError(const std::string& text) = 0;

  // A one-line input box with an empty default answer. An empty answer or Cancel is no answer.
  virtual std::optional<std::string> askText(const std::string& prompt) = 0;

  // "Which Skill?": one of the given skill names, in their order. nullopt when the dialog is
  // closed without a choice.
  virtual std::optional<std::string> pickSkill(const std::vector<std::string>& skillNames) = 0;

  // The planet list: the planet chosen, or nullopt when the list was closed without one.
  virtual std::optional<std::string> pickPlanet() = 0;
};

}  // namespace dk
