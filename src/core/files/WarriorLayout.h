#pragma once
// The layout of a warrior file (".war"), written once: one entry per line (or per run of lines,
// for a list), in file order, naming the field it holds, how it is written and read, and what it
// is called in a message. The writer and the reader both walk this table, so a new field is one
// entry here.
//
// The file begins with the line "Version 2" (not in the table: it decides whether the rest is
// read at all) and ends with the notes, which run to the end of the file.

#include <cstdint>
#include <span>
#include <string>

#include "core/model/Warrior.h"

namespace dk {

inline constexpr const char* kVersionLine = "Version 2";

enum class LineKind {
  Text,            // a value: trimmed when read, written without the blanks at its ends
  AsIs,            // a line read as it stands, blanks included (the personal lines)
  Grant,           // priorityGrant[index], a value
  Score,           // attributeScore[index], a value
  Characteristic,  // characteristic[index], a value
  Level,           // priority level of pool `index`: a number 0 to 4, set through the rules
  Int16,           // a 16-bit number line
  Int32,           // a 32-bit number line
  Flag,            // "True" or "False"
  SkillButton,     // skillButtons[index]: the training buttons as kept, the point buttons open
  DamageColumn,    // damage column `index`: five numbers 0 or 1, one per wound factor
  SkillsIS,        // START IS SKILLS, rows of name, level and roll, STOP IS SKILLS
  SkillsClan,      // the same for the clan skills
  Advantages,      // START ADV, rows of name and points, STOP ADV
  Weapons,         // START WEAP, rows of name and quantity, STOP WEAP
  Equipment,       // START EQPT, rows of name and quantity, STOP EQPT
  RequiredSkills,  // START REQ, names, END REQ
  ElectiveSkills,  // START ELE, names, END ELE
  FilePath,        // the path the file is written to; the path opened is what counts
  Slot,            // the window slot: always written 0, checked and never handed on
  Empty,           // a reserved line, always empty
};

struct LayoutLine {
  LineKind kind;
  const char* caption;  // what belongs on the line, for the messages of a damaged file
  std::string Warrior::*text = nullptr;  // Text, AsIs
  std::int16_t Warrior::*int16 = nullptr;
  std::int32_t Warrior::*int32 = nullptr;
  bool Warrior::*flag = nullptr;
  int index = 0;  // the pool, attribute, characteristic, button or column
};

// Every line after the version line and before the notes, in file order.
std::span<const LayoutLine> warriorLayout();

// The markers and the name of the rows of a list line.
struct ListMarkers {
  const char* start;
  const char* stop;
  const char* kind;  // "Inner Sphere skill", "advantage", ...
};
ListMarkers listMarkers(LineKind list);

// Names for the messages: "the race priority level", "what the race priority grants", ...
extern const char* const kPoolNames[kPoolCount];

// What a text field of the record is called ("the name", "the notes"); empty for a field the
// file does not keep.
std::string fieldCaption(std::string Warrior::*field);

// Whether a text field is read as it stands (the personal lines, and the notes, which are no
// one-line value at all).
bool readAsItStands(std::string Warrior::*field);

}  // namespace dk
