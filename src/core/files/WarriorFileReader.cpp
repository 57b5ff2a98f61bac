// The warrior file's reader: the table of files/WarriorLayout walked line by line, a damaged
// file refused as a whole at the first line that does not hold what belongs there.
#include <algorithm>
#include <cctype>
#include <deque>
#include <vector>

#include "core/files/FileWording.h"
#include "core/files/WarriorFile.h"
#include "core/files/WarriorLayout.h"
#include "core/util/Numeric.h"
#include "core/util/Text.h"
#include "core/util/TextEncoding.h"

namespace dk {

namespace {

using namespace wording;

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
  // The bytes of the file, and whether they are Windows-1252 rather than UTF-8: a value is then
  // decoded as it is taken, so that the file is never copied whole.
  LineReader(std::string_view text, bool windows1252) : text_(text), windows1252_(windows1252) {}

  // A value of the file as the record keeps it: UTF-8.
  std::string owned(std::string_view bytes) const {
    return windows1252_ && !isAscii(bytes) ? windows1252ToUtf8(bytes) : std::string(bytes);
  }
  std::string owned(std::string&& bytes) const {
    return windows1252_ && !isAscii(bytes) ? windows1252ToUtf8(bytes) : std::move(bytes);
  }

  // The next line without its line end (CR LF, or a lone LF from a file edited elsewhere), as
  // it stands; the file ending before it is damage, reported with what belonged there.
  template <typename What>
  std::string_view raw(const What& what) {
    if (pos_ >= text_.size()) {
      throw DamagedAt{line_ + 1, describe(what) + " (the file ends before it)", true};
    }
    const std::size_t end = std::min(text_.find('\n', pos_), text_.size());
    std::string_view line = text_.substr(pos_, end - pos_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos_ = std::min(end + 1, text_.size());
    ++line_;
    if (line.size() > kMaxLineChars && fileCharacterCount(line) > kMaxLineChars) {
      throw DamagedAt{line_, describe(what) + " in at most " + toText(std::int64_t{kMaxLineChars}) +
                                 " characters"};
    }
    // A carriage return inside a line is read as the space the writer would put there, so that
    // what is read is what a save writes back.
    rewritten_ = line.find('\r') != std::string_view::npos;
    if (rewritten_) {
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
    return owned(value(what));
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
  // What is left of the text after the lines read.
  std::string_view rest() const { return text_.substr(std::min(pos_, text_.size())); }
  // Whether the last line read is held in a scratch buffer (valid until the next read) rather
  // than in the text itself.
  bool lastLineRewritten() const { return rewritten_; }
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
  bool windows1252_;
  std::string scratch_;  // a line that had to be changed; valid until the next read
  std::size_t pos_ = 0;
  int line_ = 0;
  bool rewritten_ = false;
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
  in.skip([&] { return quoted("START") + " opening the " + kind + " list"; });
  const auto what = [&] { return withArticle(kind) + " name or " + quoted(stop); };
  // The names with their lines, as views into the file's text (or into `rewritten` for the
  // rare line the reader had to change), looked at once the list is read: the first name already
  // in the list is the damage, even where the list goes wrong further on.
  struct Name {
    std::size_t hash;
    int line;
    std::string_view text;
  };
  std::vector<Name> names;
  names.reserve(32);
  std::deque<std::string> rewritten;
  // The line of the first name that an earlier row has: sorted by hash, then line, a repeated
  // name stands right after its first.
  const auto firstRepeat = [&] {
    std::sort(names.begin(), names.end(), [](const Name& a, const Name& b) {
      return a.hash != b.hash ? a.hash < b.hash : a.line < b.line;
    });
    int line = 0;
    for (std::size_t i = 1; i < names.size(); ++i) {
      for (std::size_t j = i; j-- > 0 && names[j].hash == names[i].hash;) {
        if (names[j].text != names[i].text) continue;
        if (line == 0 || names[i].line < line) line = names[i].line;
        break;
      }
    }
    return line;
  };
  const auto repeated = [&](int line) {
    return DamagedAt{line, withArticle(kind) + " name not already in the list, or " + quoted(stop)};
  };
  try {
    untilMarker(stop, [&] {
      for (;;) {
        std::string_view name = in.value(what);
        if (name == stop) return;
        if (rows.size() == kMaxListRows) {
          throw DamagedAt{in.line(), quoted(stop) + " (a warrior file holds at most " +
                                         toText(static_cast<std::int64_t>(kMaxListRows)) + " " +
                                         kind + " rows)"};
        }
        if (in.lastLineRewritten()) name = rewritten.emplace_back(name);
        names.push_back({std::hash<std::string_view>{}(name), in.line(), name});
        Row row;
        row.name = in.owned(name);
        readRest(row);
        rows.push_back(std::move(row));
      }
    });
  } catch (DamagedAt&) {
    if (const int line = firstRepeat()) throw repeated(line);
    throw;
  }
  if (const int line = firstRepeat()) throw repeated(line);
}

// The required or elective skill names up to the end marker: at most 51, none empty (the lists
// end at their first empty entry, so an empty one would hide every name after it).
void readMosSkills(LineReader& in, std::array<std::string, kMosSkillSlots>& names,
                   std::string_view end, const std::string& kind) {
  in.skip([&] { return quoted("START") + " opening the " + kind + " skills"; });
  const auto what = [&] { return withArticle(kind) + " skill name or " + quoted(end); };
  untilMarker(end, [&] {
    for (int count = 0;; ++count) {
      std::string name = in.text(what);
      if (name == end) return;
      if (count == kMaxMosSkills) {
        throw DamagedAt{in.line(), quoted(end) + " (at most " + toText(kMaxMosSkills) + " " + kind +
                                       " skills)"};
      }
      if (name.empty()) throw DamagedAt{in.line(), what()};
      names[static_cast<std::size_t>(count)] = std::move(name);
    }
  });
}

template <typename Row, typename ReadRest>
void readList(LineReader& in, std::vector<Row>& rows, LineKind list, ReadRest rest) {
  const ListMarkers m = listMarkers(list);
  readSection(in, rows, m.stop, m.kind, rest);
}

void readSkills(LineReader& in, std::vector<SkillEntry>& skills, LineKind list) {
  readList(in, skills, list, [&in](SkillEntry& row) {
    row.level = in.text([&] { return "the level of skill " + quoted(row.name); });
    row.roll = in.text([&] { return "the roll of skill " + quoted(row.name); });
  });
}

// One row of the layout.
void readLine(LineReader& in, OpenedWarrior& opened, const LayoutLine& line) {
  Warrior& w = opened.warrior;
  const std::size_t i = static_cast<std::size_t>(line.index);
  switch (line.kind) {
    case LineKind::Text:
      w.*line.text = in.text(line.caption);
      return;
    case LineKind::AsIs:
      w.*line.text = in.owned(in.raw(line.caption));
      return;
    case LineKind::Grant:
      w.priorityGrant[i] = in.text(line.caption);
      return;
    case LineKind::Score:
      w.attributeScore[i] = in.text(line.caption);
      return;
    case LineKind::Characteristic:
      w.characteristic[i] = in.text(line.caption);
      return;
    case LineKind::Level:
      // The levels go through the priority rules, which index their tables with them: only the
      // levels a priority bar can hold are taken.
      opened.levels[i] =
          static_cast<std::int16_t>(in.number(line.caption, kMinPriorityLevel, kMaxPriorityLevel));
      return;
    case LineKind::Int16:
      w.*line.int16 = in.int16(line.caption);
      return;
    case LineKind::Int32:
      w.*line.int32 = in.int32(line.caption);
      return;
    case LineKind::Flag:
      w.*line.flag = in.flag(line.caption);
      return;
    case LineKind::SkillButton:
      // The training buttons open as they were saved; "Add Pt" and "Rem Pt" always open.
      w.skillButtons[i] = in.flag(line.caption) || line.index == kAddPtIS || line.index == kRemPtIS;
      return;
    case LineKind::DamageColumn: {
      const auto rows = damageColumn(in, line.index + 1);
      for (int r = 0; r < kDamageRows; ++r)
        w.damageBoxes[static_cast<std::size_t>(r)][i] = rows[static_cast<std::size_t>(r)];
      return;
    }
    case LineKind::SkillsIS:
      return readSkills(in, w.innerSphere().skills, line.kind);
    case LineKind::SkillsClan:
      return readSkills(in, w.clan().skills, line.kind);
    case LineKind::Advantages:
      return readList(in, w.advantages, line.kind, [&in](AdvantageEntry& row) {
        row.level = in.text([&] { return "the points of advantage " + quoted(row.name); });
      });
    case LineKind::Weapons:
    case LineKind::Equipment: {
      const bool weapons = line.kind == LineKind::Weapons;
      return readList(in, weapons ? w.weapons : w.equipment, line.kind,
                      [&in, weapons](GearEntry& row) {
                        row.quantity = in.text([&] {
                          return std::string("the quantity of ") +
                                 (weapons ? "weapon " : "equipment ") + quoted(row.name);
                        });
                      });
    }
    case LineKind::RequiredSkills:
    case LineKind::ElectiveSkills: {
      const ListMarkers m = listMarkers(line.kind);
      const bool required = line.kind == LineKind::RequiredSkills;
      return readMosSkills(in, required ? w.requiredSkills : w.electiveSkills, m.stop, m.kind);
    }
    case LineKind::FilePath:  // filePath is the path just opened
    case LineKind::Empty:
      in.skip(line.caption);
      return;
    case LineKind::Slot:
      in.int16(line.caption);  // checked, never handed on: the window keeps its own slot
      return;
  }
}

void readWarrior(LineReader& in, OpenedWarrior& opened) {
  for (const LayoutLine& line : warriorLayout()) readLine(in, opened, line);
  // Everything after the spouse line is the notes, its lines joined with "\n" (none after the
  // last): CR LF and LF end a line, a CR inside a line reads as the space a save writes there.
  const std::string_view rest = in.rest();
  std::string notes;
  notes.reserve(rest.size());
  std::size_t i = 0;
  while (i < rest.size()) {
    const std::size_t br = std::min(findBreakOrNul(rest, i), rest.size());
    notes.append(rest.substr(i, br - i));
    if (br == rest.size()) break;
    const char c = rest[br];
    i = br + 1;
    if (c == '\n' || (c == '\r' && (i == rest.size() || rest[i] == '\n'))) {
      if (c == '\r' && i < rest.size()) ++i;
      if (i < rest.size()) notes += '\n';  // the last line end ends the file, not a line
    } else {
      notes += c == '\r' ? ' ' : c;  // a CR inside a line (a NUL never gets this far)
    }
  }
  opened.warrior.notes = in.owned(std::move(notes));
}

int lineOfOffset(std::string_view text, std::size_t offset) {
  return 1 + static_cast<int>(std::count(
                 text.begin(),
                 text.begin() + static_cast<std::ptrdiff_t>(std::min(offset, text.size())), '\n'));
}

// What the first line says the file is: a warrior file of this program, one of another version
// of it ("Version 1", "version 3.5"), or no warrior file at all. The line is read as the reader
// reads a value: without its line end and its leading and trailing blanks.
ReadOutcome::Status firstLineStatus(std::string_view bytes) {
  // The version line is short; a first line longer than this is no version line.
  const std::string head =
      decodeFileText(bytes.substr(0, std::min<std::size_t>(bytes.size(), 256)));
  std::string_view line = std::string_view(head).substr(0, head.find('\n'));
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::string first = trimBlanks(line);
  if (first == kVersionLine) return ReadOutcome::Ok;
  // "Version" in any case, blanks, then a number such as 1 or 3.5.
  std::transform(first.begin(), first.end(), first.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  constexpr std::string_view word = "version";
  const std::string_view rest = std::string_view(first).substr(std::min(first.size(), word.size()));
  const std::string number = trimBlanks(rest);
  const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
  const bool otherVersion =
      first.starts_with(word) && !number.empty() && number.size() < rest.size() &&
      digit(number.front()) &&
      std::all_of(number.begin(), number.end(), [&](char c) { return digit(c) || c == '.'; });
  return otherVersion ? ReadOutcome::WrongVersion : ReadOutcome::NotWarriorFile;
}

}  // namespace

ReadOutcome parseWarriorFile(std::string_view bytes, const std::string& path) {
  ReadOutcome outcome;
  if (const auto status = firstLineStatus(bytes); status != ReadOutcome::Ok) {
    outcome.status = status;
    return outcome;
  }
  if (bytes.size() > kMaxWarriorFileBytes) {
    outcome.status = ReadOutcome::Damaged;
    outcome.line = lineOfOffset(bytes, kMaxWarriorFileBytes);
    outcome.expected =
        "its line end before the file grows past 16 MiB, the most a warrior file holds";
    return outcome;
  }
  // The file is read where it lies, as UTF-8 when it is valid UTF-8 (without the byte-order
  // mark some editors put first), else as Windows-1252.
  const bool utf8 = isValidUtf8(bytes);
  const std::string_view text = utf8 && bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
  LineReader in(text, !utf8);
  in.raw(quoted(kVersionLine));  // read above
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

}  // namespace dk
