// The warrior file's writer: the table of files/WarriorLayout walked line by line.
#include <algorithm>
#include <deque>
#include <unordered_set>
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

constexpr std::string_view kLineEnd = "\r\n";

class FileWriter {
 public:
  explicit FileWriter(std::size_t sizeHint) { out_.reserve(sizeHint); }

  // A one-line value, never carrying a line break or a NUL into the file.
  void text(std::string_view value) {
    if (findBreakOrNul(value) == std::string_view::npos) {
      oneLine(value);
    } else {
      oneLine(toOneLine(value));
    }
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
    if (findBreakOrNul(value) == std::string_view::npos) {
      checkedLine(value, what);
    } else {
      checkedLine(toOneLine(value), what);
    }
  }

  // A value, which the reader trims: written as it will be read, without the blanks at its
  // ends, so that what was read saves to the same bytes again.
  template <typename What>
  void value(std::string_view v, const What& what) {
    const bool clean = v.empty() || (!isBlank(v.front()) && !isBlank(v.back()) &&
                                     findBreakOrNul(v) == std::string_view::npos);
    if (clean) {
      checkedLine(v, what);  // looked through for breaks already
    } else {
      checkedLine(trimBlanks(toOneLine(v)), what);
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
    std::size_t i = 0;
    while (i < value.size()) {
      const std::size_t stop = std::min(findBreakOrNul(value, i), value.size());
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
  // A value already on one line.
  void oneLine(std::string_view value) {
    out_ += value;
    out_ += kLineEnd;
  }

  // A value already on one line, refused when it is too long for a line.
  template <typename What>
  void checkedLine(std::string_view value, const What& what) {
    oneLine(value);
    if (value.size() > kMaxLineChars && refusal_.empty() &&
        fileCharacterCount(value) > kMaxLineChars) {
      refuse(describe(what) + " is longer than " + toText(std::int64_t{kMaxLineChars}) +
             " characters");
    }
  }

  std::string out_;
  std::string refusal_;
};

// A name as the reader will see it: on one line, without blanks at either end. Nearly every
// name is that already and is not copied; `storage` keeps one that had to change.
std::string_view readBackName(std::string_view name, std::deque<std::string>& storage) {
  const bool clean = name.empty() || (!isBlank(name.front()) && !isBlank(name.back()) &&
                                      findBreakOrNul(name) == std::string_view::npos);
  return clean ? name : std::string_view(storage.emplace_back(trimBlanks(toOneLine(name))));
}

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
  std::deque<std::string> changed;
  std::unordered_set<std::string_view> seen(rows.size() * 2);
  for (const Row& row : rows) {
    const std::string_view name = readBackName(row.name, changed);
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
  std::deque<std::string> changed;
  for (const std::string& entry : names) {
    const std::string_view name = readBackName(entry, changed);
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
  for (const auto& s : w.innerSphere().skills) n += s.name.size() + 16;
  for (const auto& s : w.clan().skills) n += s.name.size() + 16;
  for (const auto& a : w.advantages) n += a.name.size() + 8;
  for (const auto& g : w.weapons) n += g.name.size() + 8;
  for (const auto& g : w.equipment) n += g.name.size() + 8;
  return n;
}

template <typename Row, typename WriteRest>
void writeList(FileWriter& out, const std::vector<Row>& rows, LineKind list, WriteRest rest) {
  const ListMarkers m = listMarkers(list);
  writeSection(out, rows, m.start, m.stop, m.kind, rest);
}

void writeSkills(FileWriter& out, const std::vector<SkillEntry>& skills, LineKind list) {
  const std::string kind = listMarkers(list).kind;
  writeList(out, skills, list, [&](const SkillEntry& s, std::string_view name) {
    out.value(s.level, [&] { return "the level of " + kind + " " + shortQuoted(name); });
    out.value(s.roll, [&] { return "the roll of " + kind + " " + shortQuoted(name); });
  });
}

// One row of the layout.
void writeLine(FileWriter& out, const Warrior& w, const LayoutLine& line,
               const std::string& filePathLine) {
  const std::size_t i = static_cast<std::size_t>(line.index);
  switch (line.kind) {
    case LineKind::Text:
      return out.value(w.*line.text, line.caption);
    case LineKind::AsIs:
      return out.line(w.*line.text, line.caption);
    case LineKind::Grant:
      return out.value(w.priorityGrant[i], line.caption);
    case LineKind::Score:
      return out.value(w.attributeScore[i], line.caption);
    case LineKind::Characteristic:
      return out.value(w.characteristic[i], line.caption);
    case LineKind::Level: {
      const std::int16_t level = w.priorityLevel[i];
      if (level < kMinPriorityLevel || level > kMaxPriorityLevel) {
        out.refuse(std::string(line.caption) + " is " + toText(level) +
                   ", and a warrior file holds levels " + toText(kMinPriorityLevel) + " to " +
                   toText(kMaxPriorityLevel));
      }
      return out.number(level);
    }
    case LineKind::Int16:
      return out.number(w.*line.int16);
    case LineKind::Int32:
      return out.number(w.*line.int32);
    case LineKind::Flag:
      return out.flag(w.*line.flag);
    case LineKind::SkillButton:
      return out.flag(w.skillButtons[i]);
    case LineKind::DamageColumn:
      // Five numbers run together: " 1  0  0  0  0 ".
      for (int r = 0; r < kDamageRows; ++r)
        out.numberPart(w.damageBoxes[static_cast<std::size_t>(r)][i] != 0 ? 1 : 0);
      return out.text("");
    case LineKind::SkillsIS:
      return writeSkills(out, w.innerSphere().skills, line.kind);
    case LineKind::SkillsClan:
      return writeSkills(out, w.clan().skills, line.kind);
    case LineKind::Advantages:
      return writeList(
          out, w.advantages, line.kind, [&out](const AdvantageEntry& a, std::string_view name) {
            out.value(a.level, [&] { return "the points of advantage " + shortQuoted(name); });
          });
    case LineKind::Weapons:
    case LineKind::Equipment: {
      const bool weapons = line.kind == LineKind::Weapons;
      return writeList(out, weapons ? w.weapons : w.equipment, line.kind,
                       [&out, weapons](const GearEntry& g, std::string_view name) {
                         out.value(g.quantity, [&] {
                           return std::string("the quantity of ") +
                                  (weapons ? "weapon " : "equipment ") + shortQuoted(name);
                         });
                       });
    }
    case LineKind::RequiredSkills:
    case LineKind::ElectiveSkills: {
      const ListMarkers m = listMarkers(line.kind);
      const bool required = line.kind == LineKind::RequiredSkills;
      return writeMosSkills(out, required ? w.requiredSkills : w.electiveSkills, m.start, m.stop,
                            m.kind);
    }
    case LineKind::FilePath:
      return out.line(filePathLine, "the path of the file");
    case LineKind::Slot:
      return out.number(0);  // the slot of a warrior being saved is in use
    case LineKind::Empty:
      return out.text("");
  }
}

void writeWarrior(FileWriter& out, const Warrior& w, const std::string& filePathLine) {
  out.text(kVersionLine);
  for (const LayoutLine& line : warriorLayout()) writeLine(out, w, line, filePathLine);
  out.notes(w.notes);
}

}  // namespace

std::string formatWarriorFile(const Warrior& w, const std::string& filePathLine) {
  FileWriter out(sizeHint(w));
  writeWarrior(out, w, filePathLine);
  return encodeFileText(out.result());
}

Result<std::string> formatWarriorFileChecked(const Warrior& w, const std::string& filePathLine) {
  FileWriter out(sizeHint(w));
  writeWarrior(out, w, filePathLine);
  if (!out.refusal().empty()) return Result<std::string>::failure(out.refusal());
  std::string bytes = encodeFileText(out.result());
  if (bytes.size() > kMaxWarriorFileBytes) {
    // Name the notes when they are what makes the file too large: they are what a user can cut.
    const std::size_t notes = notesFileBytes(w.notes);
    std::string why = "the warrior file would be " + sizeText(bytes.size());
    if (notes > bytes.size() / 2) why += ", " + sizeText(notes) + " of it notes,";
    why += " and a warrior file holds at most " + sizeText(kMaxWarriorFileBytes);
    return Result<std::string>::failure(std::move(why));
  }
  return bytes;
}

}  // namespace dk
