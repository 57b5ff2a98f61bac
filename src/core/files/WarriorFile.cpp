#include "files/WarriorFile.h"

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <unordered_set>
#include <vector>

#include "files/ReadFile.h"
#include "util/TextEncoding.h"
#include "util/Numeric.h"
#include "util/Text.h"

namespace dk {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kVersionLine = "Version 2";

constexpr const char* kPoolNames[kPoolCount] = {"race", "attributes", "skills", "advantages",
                                                "BattleMech"};
constexpr const char* kAttributeNames[kAttributeCount] = {"Build", "Reflexes", "Intuition", "Learn",
                                                          "Charisma"};
constexpr const char* kCharacteristicNames[kCharacteristicCount] = {"Athletic", "Physical",
                                                                    "Mental", "Social"};
constexpr const char* kSkillButtonNames[kSkillButtonCount] = {"\"Add Pt\"",      "\"Pick MOS\"",
                                                              "\"Add Package\"", "\"Rem Pt\"",
                                                              "\"Delete MOS\"",  "\"Del Package\""};
constexpr const char* kPersonalNames[11] = {"the age",
                                            "the sex",
                                            "the height",
                                            "the weight",
                                            "the hair color",
                                            "the eye color",
                                            "the nationality",
                                            "the date of birth",
                                            "the place of birth",
                                            "the number of siblings",
                                            "the husband or wife"};

// What belongs on a line is described only when something is wrong with it: a plain text, or a
// function that builds the text (row names are worked in), so reading a good file builds none.
inline std::string describe(const char* what) { return what; }
inline std::string describe(const std::string& what) { return what; }
template <typename F>
requires std::is_invocable_r_v<std::string, const F&> std::string describe(const F& what) {
  return what();
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// A name for a message, cut short when it is long.
std::string shortQuoted(std::string_view text) {
  constexpr std::size_t kShown = 60;
  if (text.size() <= kShown) return quoted(text);
  std::size_t cut = kShown;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return quoted(std::string(text.substr(0, cut)) + "...");
}

// "a skill", "an advantage".
std::string withArticle(const std::string& noun) {
  const bool vowel = !noun.empty() && std::strchr("AEIOUaeiou", noun[0]) != nullptr;
  return (vowel ? "an " : "a ") + noun;
}

// ---------------------------------------------------------------------------------------------
// Writing

bool isBlank(char c) { return c == ' ' || c == '\t'; }

class FileWriter {
 public:
  explicit FileWriter(std::size_t sizeHint) { out_.reserve(sizeHint); }

  // A one-line value, never carrying a line break or a NUL into the file.
  void text(std::string_view value) {
    if (value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos) {
      out_ += value;
    } else {
      out_ += toOneLine(value);
    }
    out_ += kLineEnd;
  }

  // " 5 " and "-5 ": the sign takes the place of the leading space.
  void numberPart(std::int64_t value) {
    if (value >= 0) out_ += ' ';
    out_ += toText(value);
    out_ += ' ';
  }
  void number(std::int64_t value) {
    numberPart(value);
    out_ += kLineEnd;
  }

  // A line taken as it stands when read (the personal lines, the file path); `what` names it
  // when it is too long for a line.
  template <typename What>
  void line(std::string_view value, const What& what) {
    const std::size_t start = out_.size();
    text(value);
    const std::size_t length = out_.size() - start - kLineEnd.size();
    if (length > kMaxLineChars && refusal_.empty() &&
        fileCharacterCount(std::string_view(out_).substr(start, length)) > kMaxLineChars) {
      refuse(describe(what) + " is longer than " + toText(std::int64_t{kMaxLineChars}) +
             " characters");
    }
  }

  // A value, which the reader trims: written as it will be read, without the blanks at its
  // ends, so that what was read saves to the same bytes again.
  template <typename What>
  void value(std::string_view v, const What& what) {
    const bool clean =
        v.empty() || (!isBlank(v.front()) && !isBlank(v.back()) &&
                      v.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos);
    if (clean) {
      line(v, what);
    } else {
      line(trimBlanks(toOneLine(v)), what);
    }
  }

  void flag(bool value) { text(value ? "True" : "False"); }

  // Why the warrior cannot be written faithfully; the first reason found is the one kept.
  void refuse(std::string why) {
    if (refusal_.empty()) refusal_ = std::move(why);
  }
  const std::string& refusal() const { return refusal_; }

  // The notes run to the end of the file. Whatever form their line breaks take, each is
  // written as CR LF; the last line gets its line end like every other line.
  void notes(std::string_view value) {
    constexpr std::string_view kBreakOrNul("\r\n\0", 3);
    std::size_t i = 0;
    while (i < value.size()) {
      const std::size_t stop = std::min(value.find_first_of(kBreakOrNul, i), value.size());
      out_.append(value.substr(i, stop - i));
      if (stop == value.size()) break;
      const char c = value[stop];
      i = stop + 1;
      if (c == '\0') {
        out_ += ' ';
        continue;
      }
      if (c == '\r' && i < value.size() && value[i] == '\n') ++i;
      out_ += kLineEnd;
    }
    out_ += kLineEnd;
  }

  std::string& result() { return out_; }

 private:
  std::string out_;
  std::string refusal_;
};

// A name as the reader will see it: on one line, without blanks at either end.
std::string readBackName(std::string_view name) { return trimBlanks(toOneLine(name)); }

// One list with its markers. Every row name must come back as itself: not the stop marker, not
// a name the list already has once the reader has trimmed it.
template <typename Row, typename WriteRest>
void writeSection(FileWriter& out, const std::vector<Row>& rows, std::string_view start,
                  std::string_view stop, const std::string& kind, WriteRest writeRest) {
  out.text(start);
  if (rows.size() > kMaxListRows) {
    out.refuse("the " + kind + " list has " + toText(static_cast<std::int64_t>(rows.size())) +
               " rows, and a warrior file holds at most " +
               toText(static_cast<std::int64_t>(kMaxListRows)));
  }
  std::unordered_set<std::string> seen;
  for (const Row& row : rows) {
    std::string name = readBackName(row.name);
    if (name == stop) {
      out.refuse(withArticle(kind) + " cannot be named " + quoted(stop) +
                 " in a warrior file, where that line ends the list");
    } else if (!seen.insert(name).second) {
      out.refuse("the " + kind + " list holds " + shortQuoted(name) + " twice");
    }
    out.value(row.name, [&] { return "the name of " + withArticle(kind); });
    writeRest(row, name);
  }
  out.text(stop);
}

// The required or elective skills: they end at their first entry that reads back empty.
void writeMosSkills(FileWriter& out, const std::array<std::string, kMosSkillSlots>& names,
                    std::string_view start, std::string_view end, const std::string& kind) {
  out.text(start);
  for (const std::string& entry : names) {
    const std::string name = readBackName(entry);
    if (name.empty()) break;
    if (name == end) {
      out.refuse(withArticle(kind) + " skill cannot be named " + quoted(end) +
                 " in a warrior file, where that line ends the list");
    }
    out.value(entry, [&] { return withArticle(kind) + " skill name"; });
  }
  out.text(end);
}

std::size_t sizeHint(const Warrior& w) {
  std::size_t n = 2048 + w.notes.size();
  for (const auto& s : w.skillsIS) n += s.name.size() + 16;
  for (const auto& s : w.skillsClan) n += s.name.size() + 16;
  for (const auto& a : w.advantages) n += a.name.size() + 8;
  for (const auto& g : w.weapons) n += g.name.size() + 8;
  for (const auto& g : w.equipment) n += g.name.size() + 8;
  return n;
}

// ---------------------------------------------------------------------------------------------
// Reading

// Thrown inside the reader only; parseWarriorFile turns it into a Damaged outcome.
struct DamagedAt {
  int line;
  std::string expected;
  bool endOfFile = false;
};

// A list that runs to the end of the file has lost its end marker (or the marker is misspelt):
// say that, rather than naming whichever row value happened to be last.
template <typename Read>
void untilMarker(std::string_view marker, Read read) {
  try {
    read();
  } catch (DamagedAt& damage) {
    if (damage.endOfFile) damage.expected = quoted(marker) + " (the file ends before it)";
    throw;
  }
}

class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  // The next line without its line end (CR LF, or a lone LF from a file edited elsewhere), as
  // it stands; the file ending before it is damage, reported with what belonged there.
  template <typename What>
  std::string_view raw(const What& what) {
    if (pos_ >= text_.size()) {
      throw DamagedAt{line_ + 1, describe(what) + " (the file ends before it)", true};
    }
    std::size_t end = text_.find('\n', pos_);
    std::size_t next;
    if (end == std::string_view::npos) {
      end = text_.size();
      next = end;
    } else {
      next = end + 1;
    }
    std::string_view line = text_.substr(pos_, end - pos_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos_ = next;
    ++line_;
    if (limitLines_ && line.size() > kMaxLineChars && fileCharacterCount(line) > kMaxLineChars) {
      throw DamagedAt{line_, describe(what) + " in at most " + toText(std::int64_t{kMaxLineChars}) +
                                 " characters"};
    }
    // A carriage return inside a line is read as the space the writer would put there, so that
    // what is read is what a save writes back.
    if (line.find('\r') != std::string_view::npos) {
      scratch_.assign(line);
      std::replace(scratch_.begin(), scratch_.end(), '\r', ' ');
      return scratch_;
    }
    return line;
  }

  // A value: the next line with its leading and trailing blanks and tabs removed.
  template <typename What>
  std::string_view value(const What& what) {
    std::string_view v = raw(what);
    while (!v.empty() && isBlank(v.front())) v.remove_prefix(1);
    while (!v.empty() && isBlank(v.back())) v.remove_suffix(1);
    return v;
  }

  template <typename What>
  std::string text(const What& what) {
    return std::string(value(what));
  }

  template <typename What>
  std::int64_t number(const What& what, std::int64_t lo, std::int64_t hi) {
    const std::optional<std::int64_t> n = parseWholeNumber(value(what));
    if (!n || *n < lo || *n > hi) {
      throw DamagedAt{line_,
                      describe(what) + ", a whole number from " + toText(lo) + " to " + toText(hi)};
    }
    return *n;
  }
  template <typename What>
  std::int16_t int16(const What& what) {
    return static_cast<std::int16_t>(number(what, INT16_MIN, INT16_MAX));
  }
  template <typename What>
  std::int32_t int32(const What& what) {
    return static_cast<std::int32_t>(number(what, INT32_MIN, INT32_MAX));
  }

  // "True" in any case or a non-zero number is true; "False" in any case or 0 is false.
  template <typename What>
  bool flag(const What& what) {
    const std::string_view v = value(what);
    if (equalsIgnoringCase(v, "True")) return true;
    if (equalsIgnoringCase(v, "False")) return false;
    if (const std::optional<std::int64_t> n = parseWholeNumber(v)) return *n != 0;
    throw DamagedAt{line_, describe(what) + ", \"True\" or \"False\""};
  }

  template <typename What>
  void skip(const What& what) {
    raw(what);
  }

  bool atEnd() const { return pos_ >= text_.size(); }
  // The notes are the one value that may be longer than a line.
  void stopLimitingLines() { limitLines_ = false; }
  int line() const { return line_; }

 private:
  static bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
      const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
      if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
  }

  std::string_view text_;
  std::string scratch_;  // a line that had to be changed; valid until the next read
  std::size_t pos_ = 0;
  int line_ = 0;
  bool limitLines_ = true;
};

// One line of five numbers, the wound-factor rows of one damage column. The writer writes 1
// for every ticked box, so only 0 and 1 belong here.
std::array<std::int16_t, kDamageRows> damageColumn(LineReader& in, int column) {
  const auto what = [column] {
    return "damage column " + toText(column) + ": five numbers, each 0 or 1";
  };
  const std::string_view v = in.value(what);
  std::array<std::int16_t, kDamageRows> rows{};
  std::size_t i = 0;
  int count = 0;
  while (i < v.size()) {
    while (i < v.size() && isBlank(v[i])) ++i;
    if (i == v.size()) break;
    std::size_t e = i;
    while (e < v.size() && !isBlank(v[e])) ++e;
    const std::string_view token = v.substr(i, e - i);
    if (count == kDamageRows || (token != "0" && token != "1")) throw DamagedAt{in.line(), what()};
    rows[static_cast<std::size_t>(count++)] = token == "1" ? 1 : 0;
    i = e;
  }
  if (count != kDamageRows) throw DamagedAt{in.line(), what()};
  return rows;
}

// Reads rows up to the stop marker; a name already in the list is damage (every list is keyed
// by its names).
template <typename Row, typename ReadRest>
void readSection(LineReader& in, std::vector<Row>& rows, std::string_view stop,
                 const std::string& kind, ReadRest readRest) {
  in.skip(quoted("START") + " opening the " + kind + " list");
  const std::string what = withArticle(kind) + " name or " + quoted(stop);
  std::unordered_set<std::string> seen;
  untilMarker(stop, [&] {
    for (;;) {
      std::string name = in.text(what);
      if (name == stop) return;
      if (rows.size() == kMaxListRows) {
        throw DamagedAt{in.line(), quoted(stop) + " (a warrior file holds at most " +
                                       toText(static_cast<std::int64_t>(kMaxListRows)) + " " +
                                       kind + " rows)"};
      }
      if (!seen.insert(name).second) {
        throw DamagedAt{in.line(),
                        withArticle(kind) + " name not already in the list, or " + quoted(stop)};
      }
      Row row;
      row.name = std::move(name);
      readRest(row);
      rows.push_back(std::move(row));
    }
  });
}

// The required or elective skill names up to the end marker: at most 51, none empty (the lists
// end at their first empty entry, so an empty one would hide every name after it).
void readMosSkills(LineReader& in, std::array<std::string, kMosSkillSlots>& names,
                   std::string_view end, const std::string& kind) {
  in.skip(quoted("START") + " opening the " + kind + " skills");
  const std::string what = withArticle(kind) + " skill name or " + quoted(end);
  untilMarker(end, [&] {
    for (int count = 0;; ++count) {
      std::string name = in.text(what);
      if (name == end) return;
      if (count == kMaxMosSkills) {
        throw DamagedAt{in.line(), quoted(end) + " (at most " + toText(kMaxMosSkills) + " " + kind +
                                       " skills)"};
      }
      if (name.empty()) throw DamagedAt{in.line(), what};
      names[static_cast<std::size_t>(count)] = std::move(name);
    }
  });
}

void readWarrior(LineReader& in, OpenedWarrior& opened) {
  Warrior& w = opened.warrior;
  w.name = in.text("the name");
  w.rank = in.text("the rank");
  w.affiliation = in.text("the affiliation");
  w.homePlanet = in.text("the home planet");
  w.vehicleType = in.text("the Mech/Vehicle type");
  w.cBillsText = in.text("the C-Bills");
  w.equipmentCBillsText = in.text("the equipment C-Bills");
  w.assetWorthText = in.text("the asset worth");
  w.edge = in.text("the edge");
  w.edgeUsed = in.text("the edge used");
  w.apTotal = in.text("the AP total");
  w.spTotal = in.text("the SP total");
  w.thresholdHead = in.text("the head damage threshold");
  w.thresholdTorso = in.text("the torso damage threshold");
  w.thresholdArm = in.text("the arm damage threshold");
  w.thresholdLeg = in.text("the leg damage threshold");

  // The levels go through the priority rules, which index their tables with them: only the
  // levels a priority bar can hold are taken.
  for (int p = 0; p < kPoolCount; ++p) {
    opened.levels[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(
        in.number([&] { return std::string("the ") + kPoolNames[p] + " priority level"; }, 0, 4));
  }
  for (int p = 0; p < kPoolCount; ++p) {
    w.priorityGrant[static_cast<std::size_t>(p)] =
        in.text([&] { return std::string("what the ") + kPoolNames[p] + " priority grants"; });
  }
  w.pointsLeft = in.text("the priority points left");

  // Lines 31 and 32 both hold the Intuition score; the second one is the one kept.
  for (int a = 0; a < kAttributeCount; ++a) {
    w.attributeScore[static_cast<std::size_t>(a)] =
        in.text([&] { return std::string("the ") + kAttributeNames[a] + " score"; });
    if (a == kINT) w.attributeScore[kINT] = in.text("the Intuition score again");
  }
  w.raceModsRemovable = in.flag("whether race mods can be deleted");
  w.raceModsAddable = in.flag("whether race mods can be added");
  for (int c = 0; c < kCharacteristicCount; ++c) {
    w.characteristic[static_cast<std::size_t>(c)] =
        in.text([&] { return std::string("the ") + kCharacteristicNames[c] + " characteristic"; });
  }
  w.freeAttributePoints = in.text("the free attribute points");

  for (int column = 0; column < kDamageColumns; ++column) {
    const auto rows = damageColumn(in, column + 1);
    for (int r = 0; r < kDamageRows; ++r) {
      w.damageBoxes[static_cast<std::size_t>(r)][static_cast<std::size_t>(column)] =
          rows[static_cast<std::size_t>(r)];
    }
  }

  // The stored button states are checked but not used: an opened warrior has all six open.
  for (int b = 0; b < kSkillButtonCount; ++b) {
    in.flag(
        [&] { return std::string("whether the ") + kSkillButtonNames[b] + " button is enabled"; });
  }
  w.skillButtons.fill(true);

  const auto skillRest = [&in](SkillEntry& row) {
    row.level = in.text([&] { return "the level of skill " + quoted(row.name); });
    row.roll = in.text([&] { return "the roll of skill " + quoted(row.name); });
  };
  readSection(in, w.skillsIS, "STOP IS SKILLS", "Inner Sphere skill", skillRest);
  readSection(in, w.skillsClan, "STOP CLAN SKILLS", "clan skill", skillRest);
  w.advantagePoints = in.text("the available advantage points");
  readSection(in, w.advantages, "STOP ADV", "advantage", [&in](AdvantageEntry& row) {
    row.level = in.text([&] { return "the points of advantage " + quoted(row.name); });
  });
  readSection(in, w.weapons, "STOP WEAP", "weapon", [&in](GearEntry& row) {
    row.quantity = in.text([&] { return "the quantity of weapon " + quoted(row.name); });
  });
  readSection(in, w.equipment, "STOP EQPT", "equipment", [&in](GearEntry& row) {
    row.quantity = in.text([&] { return "the quantity of equipment " + quoted(row.name); });
  });

  in.skip("the path the file was saved to");  // filePath is the path just opened
  w.extraEdgeBought = in.int16("the number of Extra Edge bought");
  in.int16("the slot flag");  // checked, never handed on: the window keeps its own slot
  w.reservedFlag = in.flag("the reserved flag");
  w.skillsBought = in.flag("whether skills were bought");
  w.clanPackageTaken = in.flag("whether a clan package was taken");
  w.isClan = in.flag("whether the warrior is of a clan");
  w.skillStage = in.int16("the skill stage");
  w.mosName1 = in.text("the first MOS/FOS name");
  w.mosIndex1 = in.int16("the row of the first MOS/FOS");
  w.mosName2 = in.text("the second MOS/FOS name");
  w.mosIndex2 = in.int16("the row of the second MOS/FOS");
  w.mosConfirmed = in.int16("the MOS/FOS confirmation");
  w.packageName = in.text("the package type");
  w.packageIndex = in.int16("the row of the skill package");
  w.cBills = in.int32("the C-Bills amount");
  w.equipmentCBills = in.int32("the equipment C-Bills amount");
  w.assetWorth = in.int32("the asset worth amount");

  readMosSkills(in, w.requiredSkills, "END REQ", "required");
  readMosSkills(in, w.electiveSkills, "END ELE", "elective");
  in.skip("the reserved empty line");

  // The personal lines are taken exactly as they stand, blanks included.
  std::string* personal[11] = {&w.age,          &w.sex,      &w.height,      &w.weight,
                               &w.hairColor,    &w.eyeColor, &w.nationality, &w.dateOfBirth,
                               &w.placeOfBirth, &w.siblings, &w.spouse};
  for (int i = 0; i < 11; ++i) *personal[i] = std::string(in.raw(kPersonalNames[i]));

  // Everything after the spouse line is the notes, joined with "\n" (none after the last).
  in.stopLimitingLines();
  std::string notes;
  for (bool first = true; !in.atEnd(); first = false) {
    if (!first) notes += '\n';
    notes += in.raw("the notes");
  }
  w.notes = std::move(notes);
}

int lineOfOffset(std::string_view text, std::size_t offset) {
  return 1 + static_cast<int>(std::count(
                 text.begin(),
                 text.begin() + static_cast<std::ptrdiff_t>(std::min(offset, text.size())), '\n'));
}

void writeWarrior(FileWriter& out, const Warrior& w, const std::string& filePathLine) {
  out.text(kVersionLine);
  const std::pair<const std::string*, const char*> head[] = {
      {&w.name, "the name"},
      {&w.rank, "the rank"},
      {&w.affiliation, "the affiliation"},
      {&w.homePlanet, "the home planet"},
      {&w.vehicleType, "the Mech/Vehicle type"},
      {&w.cBillsText, "the C-Bills"},
      {&w.equipmentCBillsText, "the equipment C-Bills"},
      {&w.assetWorthText, "the asset worth"},
      {&w.edge, "the edge"},
      {&w.edgeUsed, "the edge used"},
      {&w.apTotal, "the AP total"},
      {&w.spTotal, "the SP total"},
      {&w.thresholdHead, "the head damage threshold"},
      {&w.thresholdTorso, "the torso damage threshold"},
      {&w.thresholdArm, "the arm damage threshold"},
      {&w.thresholdLeg, "the leg damage threshold"}};
  for (const auto& [value, what] : head) out.value(*value, what);
  for (int p = 0; p < kPoolCount; ++p) {
    const std::int16_t level = w.savedLevel(static_cast<Pool>(p));
    if (level < kMinPriorityLevel || level > kMaxPriorityLevel) {
      out.refuse(std::string("the ") + kPoolNames[p] + " priority level is " + toText(level) +
                 ", and a warrior file holds levels " + toText(kMinPriorityLevel) + " to " +
                 toText(kMaxPriorityLevel));
    }
    out.number(level);
  }
  for (int p = 0; p < kPoolCount; ++p) {
    out.value(w.priorityGrant[static_cast<std::size_t>(p)],
              [&] { return std::string("what the ") + kPoolNames[p] + " priority grants"; });
  }
  out.value(w.pointsLeft, "the priority points left");
  for (int a = 0; a < kAttributeCount; ++a) {
    const auto what = [&] { return std::string("the ") + kAttributeNames[a] + " score"; };
    out.value(w.attributeScore[static_cast<std::size_t>(a)], what);
    if (a == kINT) out.value(w.attributeScore[kINT], what);  // line 32 repeats the Intuition score
  }
  out.flag(w.raceModsRemovable);
  out.flag(w.raceModsAddable);
  for (int c = 0; c < kCharacteristicCount; ++c) {
    out.value(w.characteristic[static_cast<std::size_t>(c)],
              [&] { return std::string("the ") + kCharacteristicNames[c] + " characteristic"; });
  }
  out.value(w.freeAttributePoints, "the free attribute points");
  // Each damage column is five numbers run together: " 1  0  0  0  0 ".
  for (int column = 0; column < kDamageColumns; ++column) {
    for (int r = 0; r < kDamageRows; ++r) {
      out.numberPart(
          w.damageBoxes[static_cast<std::size_t>(r)][static_cast<std::size_t>(column)] != 0 ? 1
                                                                                            : 0);
    }
    out.text("");
  }
  for (bool enabled : w.skillButtons) out.flag(enabled);

  const auto skillRest = [&out](const std::string& kind) {
    return [&out, kind](const SkillEntry& s, const std::string& name) {
      out.value(s.level, [&] { return "the level of " + kind + " " + shortQuoted(name); });
      out.value(s.roll, [&] { return "the roll of " + kind + " " + shortQuoted(name); });
    };
  };
  writeSection(out, w.skillsIS, "START IS SKILLS", "STOP IS SKILLS", "Inner Sphere skill",
               skillRest("Inner Sphere skill"));
  writeSection(out, w.skillsClan, "START CLAN SKILLS", "STOP CLAN SKILLS", "clan skill",
               skillRest("clan skill"));
  out.value(w.advantagePoints, "the available advantage points");
  writeSection(out, w.advantages, "START ADV", "STOP ADV", "advantage",
               [&out](const AdvantageEntry& a, const std::string& name) {
                 out.value(a.level, [&] { return "the points of advantage " + shortQuoted(name); });
               });
  writeSection(out, w.weapons, "START WEAP", "STOP WEAP", "weapon",
               [&out](const GearEntry& g, const std::string& name) {
                 out.value(g.quantity,
                           [&] { return "the quantity of weapon " + shortQuoted(name); });
               });
  writeSection(out, w.equipment, "START EQPT", "STOP EQPT", "equipment",
               [&out](const GearEntry& g, const std::string& name) {
                 out.value(g.quantity,
                           [&] { return "the quantity of equipment " + shortQuoted(name); });
               });

  out.line(filePathLine, "the path of the file");
  out.number(w.extraEdgeBought);
  out.number(0);  // the slot of a warrior being saved is in use
  out.flag(w.reservedFlag);
  out.flag(w.skillsBought);
  out.flag(w.clanPackageTaken);
  out.flag(w.isClan);
  out.number(w.skillStage);
  out.value(w.mosName1, "the first MOS/FOS name");
  out.number(w.mosIndex1);
  out.value(w.mosName2, "the second MOS/FOS name");
  out.number(w.mosIndex2);
  out.number(w.mosConfirmed);
  out.value(w.packageName, "the package type");
  out.number(w.packageIndex);
  out.number(w.cBills);
  out.number(w.equipmentCBills);
  out.number(w.assetWorth);

  writeMosSkills(out, w.requiredSkills, "START REQ", "END REQ", "required");
  writeMosSkills(out, w.electiveSkills, "START ELE", "END ELE", "elective");
  out.text("");  // reserved, always empty

  // The personal lines keep their blanks; kPersonalNames names them.
  const std::string* personal[11] = {&w.age,          &w.sex,      &w.height,      &w.weight,
                                     &w.hairColor,    &w.eyeColor, &w.nationality, &w.dateOfBirth,
                                     &w.placeOfBirth, &w.siblings, &w.spouse};
  for (int i = 0; i < 11; ++i) out.line(*personal[i], kPersonalNames[i]);
  out.notes(w.notes);
}

}  // namespace

std::string formatWarriorFile(const Warrior& w, const std::string& filePathLine) {
  FileWriter out(sizeHint(w));
  writeWarrior(out, w, filePathLine);
  return encodeFileText(out.result());
}

FormattedWarrior formatWarriorFileChecked(const Warrior& w, const std::string& filePathLine) {
  FileWriter out(sizeHint(w));
  writeWarrior(out, w, filePathLine);
  if (!out.refusal().empty()) return FormattedWarrior{{}, out.refusal()};
  std::string bytes = encodeFileText(out.result());
  if (bytes.size() > kMaxWarriorFileBytes) {
    // Name the notes when they are what makes the file too large: they are what a user can cut.
    const std::size_t notes = notesFileBytes(w.notes);
    std::string why = "the warrior file would be " + sizeText(bytes.size());
    if (notes > bytes.size() / 2) why += ", " + sizeText(notes) + " of it notes,";
    why += " and a warrior file holds at most " + sizeText(kMaxWarriorFileBytes);
    return FormattedWarrior{{}, std::move(why)};
  }
  return FormattedWarrior{std::move(bytes), {}};
}

ReadOutcome parseWarriorFile(std::string_view bytes, const std::string& path) {
  ReadOutcome outcome;
  if (bytes.size() > kMaxWarriorFileBytes) {
    outcome.status = ReadOutcome::Damaged;
    outcome.line = lineOfOffset(bytes, kMaxWarriorFileBytes);
    outcome.expected =
        "its line end before the file grows past 16 MiB, the most a warrior file holds";
    return outcome;
  }
  const std::string text = decodeFileText(bytes);
  LineReader in(text);
  try {
    if (in.value(quoted(kVersionLine)) != kVersionLine) {
      outcome.status = ReadOutcome::WrongVersion;
      return outcome;
    }
  } catch (const DamagedAt&) {
    outcome.status = ReadOutcome::WrongVersion;  // an empty file is no warrior file of ours
    return outcome;
  }
  if (const std::size_t nul = text.find('\0'); nul != std::string::npos) {
    outcome.status = ReadOutcome::Damaged;
    outcome.line = lineOfOffset(text, nul);
    outcome.expected = "text without NUL characters";
    return outcome;
  }
  OpenedWarrior opened;
  try {
    readWarrior(in, opened);
  } catch (const DamagedAt& damage) {
    outcome.status = ReadOutcome::Damaged;
    outcome.line = damage.line;
    outcome.expected = damage.expected;
    return outcome;
  }
  opened.warrior.filePath = path;
  outcome.status = ReadOutcome::Ok;
  outcome.opened = std::move(opened);
  return outcome;
}

SaveResult saveWarrior(const Warrior& warrior, const std::string& path) {
  // A warrior that would not open again is refused before the disk is touched.
  if (path.empty()) return SaveResult{false, "no file name was given"};
  FormattedWarrior file = formatWarriorFileChecked(warrior, path);
  if (!file.refusal.empty()) return SaveResult{false, std::move(file.refusal)};
  return writeFileAtomically(path, file.bytes);
}

ReadOutcome openWarriorFile(const std::string& path) {
  std::string reason;
  // One byte past the limit is enough for the parser to see that the file is too large.
  std::optional<std::string> bytes = readFilePrefix(path, kMaxWarriorFileBytes + 1, reason);
  if (!bytes) {
    ReadOutcome outcome;
    outcome.status = ReadOutcome::Damaged;
    outcome.readError = reason;
    return outcome;
  }
  return parseWarriorFile(*bytes, path);
}

std::string damagedFileMessage(const std::string& path, int line, const std::string& expected) {
  return "The warrior file \"" + path + "\" cannot be opened because it is damaged: line " +
         toText(line) + " should hold " + expected + ".";
}

std::string unreadableFileMessage(const std::string& path, const std::string& reason) {
  return "The warrior file \"" + path + "\" cannot be opened: " + reason + ".";
}

std::string openFailedMessage(const ReadOutcome& outcome, const std::string& path) {
  if (outcome.status == ReadOutcome::WrongVersion) return kWrongVersionMessage;
  if (outcome.line == 0) return unreadableFileMessage(path, outcome.readError);
  return damagedFileMessage(path, outcome.line, outcome.expected);
}

}  // namespace dk
