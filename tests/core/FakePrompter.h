#pragma once
// A scripted user for core tests: records everything the rules say and replays queued answers.

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/context/Prompter.h"

namespace dk::test {

struct Exchange {
  enum Kind { Message, Question, Error, Input, SkillPick, Picker, PlanetPick } kind;
  std::string text;
  MessageIcon icon = MessageIcon::None;
};

class FakePrompter : public Prompter {
 public:
  // Answers are consumed in order; a question or input without a queued answer fails the test.
  std::deque<bool> yesNoAnswers;
  std::deque<bool> errorAnswers;
  std::deque<std::optional<std::string>> textAnswers;
  std::deque<std::optional<std::string>> skillPicks;
  std::vector<std::string> lastSkillChoices;  // what the last "Which Skill?" offered
  std::vector<Exchange> log;
  // Answers of the modal pickers; a picker opened without one fails the test.
  std::deque<std::optional<SpecialityChoice>> specialityAnswers;
  std::deque<std::optional<std::vector<std::string>>> requiredPickAnswers;
  std::deque<std::optional<int>> packageAnswers;
  // What the pickers were handed, in order.
  std::vector<std::vector<Speciality>> specialityTables;
  std::vector<RequiredSkillRequest> requiredRequests;
  std::vector<std::vector<SkillPackage>> packageTables;
  std::vector<int> pickerPoints;

  void showMessage(const std::string& text, MessageIcon icon) override {
    log.push_back({Exchange::Message, text, icon});
  }
  bool askYesNo(const std::string& text, MessageIcon icon) override {
    log.push_back({Exchange::Question, text, icon});
    if (yesNoAnswers.empty()) throw std::logic_error("unexpected question: " + text);
    const bool a = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return a;
  }
  bool showError(const std::string& text) override {
    log.push_back({Exchange::Error, text, MessageIcon::Critical});
    if (errorAnswers.empty()) return true;
    const bool a = errorAnswers.front();
    errorAnswers.pop_front();
    return a;
  }
  std::optional<std::string> askText(const std::string& prompt) override {
    log.push_back({Exchange::Input, prompt, MessageIcon::None});
    if (textAnswers.empty()) throw std::logic_error("unexpected input box: " + prompt);
    auto a = textAnswers.front();
    textAnswers.pop_front();
    return a;
  }
  std::optional<std::string> pickSkill(const std::vector<std::string>& skillNames) override {
    log.push_back({Exchange::SkillPick, "Which Skill?", MessageIcon::None});
    lastSkillChoices = skillNames;
    if (skillPicks.empty()) throw std::logic_error("unexpected skill picker");
    auto a = skillPicks.front();
    skillPicks.pop_front();
    return a;
  }

  std::optional<SpecialityChoice> pickSpeciality(const std::vector<Speciality>& specialities,
                                                 int poolEntries) override {
    log.push_back({Exchange::Picker, "Pick Skill Packages", MessageIcon::None});
    specialityTables.push_back(specialities);
    pickerPoints.push_back(poolEntries);
    return next(specialityAnswers, "Pick Skill Packages");
  }
  std::optional<std::vector<std::string>> pickRequiredSkills(
      const RequiredSkillRequest& request) override {
    log.push_back({Exchange::Picker, request.caption, MessageIcon::None});
    requiredRequests.push_back(request);
    return next(requiredPickAnswers, request.caption);
  }
  std::optional<int> pickPackage(const std::vector<SkillPackage>& packages, int points) override {
    log.push_back({Exchange::Picker, "Pick Package", MessageIcon::None});
    packageTables.push_back(packages);
    pickerPoints.push_back(points);
    return next(packageAnswers, "Pick Package");
  }

  // The texts said so far, in order.
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& e : log) out.push_back(e.text);
    return out;
  }
  void clear() { log.clear(); }

  // The planet list: answers queued in planetAnswers (nullopt: closed without a choice).
  std::deque<std::optional<std::string>> planetAnswers;
  std::vector<std::string> lastPlanets;  // what the last planet list offered
  std::optional<std::string> pickPlanet(const std::vector<std::string>& planets) override {
    log.push_back({Exchange::PlanetPick, "Planet List", MessageIcon::None});
    lastPlanets = planets;
    if (planetAnswers.empty()) throw std::logic_error("unexpected planet list");
    auto a = planetAnswers.front();
    planetAnswers.pop_front();
    return a;
  }

 private:
  template <typename T>
  static T next(std::deque<T>& answers, const std::string& what) {
    if (answers.empty()) throw std::logic_error("unexpected picker: " + what);
    T a = std::move(answers.front());
    answers.pop_front();
    return a;
  }
};

}  // namespace dk::test
