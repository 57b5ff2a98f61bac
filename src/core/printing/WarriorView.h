#pragma once
// The warrior as an export template sees it: a tree of names, every field the sheet prints with
// its numbers written as the sheet writes them ("7+" for a save, "9+" for a roll), and each list
// of the sheet (skills, advantages, weapons, ...) as a list of rows. A text the warrior leaves
// empty is "no value", so that a template can leave out what is not there. Every name is
// documented, with an example, in docs/templates.md.

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "core/model/Warrior.h"

namespace dk {

struct ViewField;
struct ViewValue;

// Names with their values, in the order the documentation gives them.
struct ViewObject {
  std::vector<ViewField> fields;
  const ViewValue* find(const std::string& name) const;
  void add(std::string name, std::string text);
  void add(std::string name, const char* text) { add(std::move(name), std::string(text)); }
  void add(std::string name, bool flag);
  void add(std::string name, std::vector<ViewObject> rows);
};
using ViewList = std::vector<ViewObject>;

// A text, a yes or no, or a list of rows.
struct ViewValue {
  std::variant<std::string, bool, ViewList> value;
};

struct ViewField {
  std::string name;
  ViewValue value;
};

// The view of one warrior; `number` is its place among those exported together (1 for the first).
ViewObject warriorView(const Warrior& warrior, int number);

// The names around the warriors: "warriorCount", and (for a roster page) the list "warriors".
ViewObject rosterView(int warriorCount, bool withWarriorList);

// Every name a template may use, as paths from the outside in: "warriorCount", "warriors", then
// the warrior's own ("name", "skills", "skills.roll", ...), which a roster page uses inside
// {{#warriors}}. Taken from the view of a warrior that has a row in every list.
std::vector<std::string> templateNamePaths();

// The view of that warrior (every list has a row): what a template is checked against.
const ViewObject& sampleWarriorView();

}  // namespace dk
