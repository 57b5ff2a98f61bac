#include "core/printing/CharacterSheet.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/model/DamageTrack.h"
#include "core/printing/TextWrap.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {

// The lowest edge each list may reach before it would run into what lies below it.
constexpr int kAdvantagesEnd = 9250;  // the "Weapons" heading
constexpr int kSkillsEnd = 9250;      // the notes rectangle
constexpr int kEquipmentEnd = 8350;   // "Asset Worth"
constexpr int kWeaponsEnd = 11550;    // "Damage Thresholds"

constexpr int kNotesTop = 9250;
constexpr int kNotesHeight = 1500;

// The columns the lists of the sheet have, in characters: each ends at least one character
// before the next part of the sheet begins, so no row touches its neighbour.
constexpr int columnsBetween(int left, int next) {
  return (next - left) / kSheetCharacterWidth - 1;
}
constexpr int kLeftColumns = columnsBetween(350, 3825);    // up to the skills
constexpr int kSkillColumns = columnsBetween(3825, 8225);  // up to the equipment
constexpr int kEquipmentColumns = columnsBetween(8225, kSheetRightEdge);
constexpr int kWeaponColumns = columnsBetween(350, 3410);  // up to the notes

// A row of a list: the text it has as one line, and the lines it takes in its column (the same
// one line when it fits).
struct Row {
  std::string whole;
  std::vector<std::string> lines;
};

// The lines of a text at most `columns` characters wide, broken at blanks (a word longer than a
// line is cut).
std::vector<std::string> wrapped(const std::string& text, int columns) {
  std::vector<std::string> lines;
  for (const WrappedLine& l : wrapText(text, columns))
    lines.push_back(text.substr(l.begin, l.end - l.begin));
  if (lines.empty()) lines.emplace_back();
  return lines;
}

// A row whose name has `nameColumns` characters of a column `columns` wide: `before` stands
// ahead of the name, `after` behind it. When the whole row is too wide for its column, the name
// wraps within its own characters, `before` on the first line and `after` on the last, so that
// what follows the name stays under its heading; a line still too wide is broken as it can.
Row columnRow(const std::string& before, const std::string& name, std::size_t nameColumns,
              const std::string& after, int columns) {
  // An `after` wider than its place (a level of two digits) takes its room from the name.
  const auto width = static_cast<std::size_t>(columns);
  const std::size_t around = characterCount(before) + characterCount(after);
  if (around + nameColumns > width && around < width) nameColumns = width - around;
  Row row{before + padRight(name, nameColumns) + after, {}};
  if (characterCount(row.whole) <= static_cast<std::size_t>(columns)) {
    row.lines.push_back(row.whole);
    return row;
  }
  const std::vector<std::string> names = wrapped(name, static_cast<int>(nameColumns));
  const std::string indent(characterCount(before), ' ');
  for (std::size_t i = 0; i < names.size(); ++i) {
    const bool last = i + 1 == names.size();
    const std::string line =
        (i == 0 ? before : indent) + (last ? padRight(names[i], nameColumns) + after : names[i]);
    for (std::string& piece : wrapped(line, columns)) row.lines.push_back(std::move(piece));
  }
  return row;
}

std::string trimTrailingBlanks(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// A row of one text that wraps at blanks.
Row textRow(const std::string& text, int columns) { return {text, wrapped(text, columns)}; }

struct Overflow {
  std::string heading;
  std::vector<std::string> rows;
};

class SheetWriter {
 public:
  explicit SheetWriter(PrintSurface& surface) : surface_(surface) {}

  void at(int x, int y, const std::string& text) {
    surface_.setCurrentX(x);
    surface_.setCurrentY(y);
    surface_.printText(text);
  }

  // Rows from (x, firstY) down, line by line, as many whole rows as end above limitY. The
  // others are kept for the continuation pages under the given heading.
  void rows(int x, int firstY, int limitY, const std::vector<Row>& rows,
            const char* overflowHeading) {
    int y = firstY;
    std::size_t i = 0;
    for (; i < rows.size(); ++i) {
      const int height = kSheetRowHeight * static_cast<int>(rows[i].lines.size());
      if (y + height > limitY) break;
      for (const std::string& line : rows[i].lines) {
        at(x, y, line);
        y += kSheetRowHeight;
      }
    }
    if (i == rows.size()) return;
    Overflow rest{overflowHeading, {}};
    for (; i < rows.size(); ++i) rest.rows.push_back(rows[i].whole);
    overflow.push_back(std::move(rest));
  }

  // A value the user typed: whole when it ends a character before rightLimit, else cut there
  // and kept whole for the continuation pages.
  void field(int x, int y, const std::string& text, int rightLimit) {
    const auto room = static_cast<std::size_t>(std::max(0, columnsBetween(x, rightLimit)));
    if (characterCount(text) <= room) return at(x, y, text);
    at(x, y, std::string(firstCharacters(text, room)));
    longEntries.push_back(text);
  }

  // Lays text into the rectangle at the current position; returns what did not fit.
  std::string rectangle(const std::string& text, int left, int top, int width, int height) {
    surface_.setCurrentX(left);
    surface_.setCurrentY(top);
    const std::size_t used =
        std::min(surface_.printTextInRectangle(text, left, top, width, height), text.size());
    return text.substr(used);
  }

  // The rows that had no room, section by section, in sheet order.
  std::vector<Overflow> overflow;
  // The typed values cut on the sheet, whole.
  std::vector<std::string> longEntries;

 private:
  PrintSurface& surface_;
};

bool onlyBlanksAndBreaks(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

std::string attributeLine(const char* prefix, const std::string& score) {
  const std::string save = toText(attributeSave(score));
  return prefix + padRight(score, 8) + "(" + (save.size() == 2 ? " " : "  ") + save + "+)";
}

// "(2)  Halloran Service Pistol": a long name wraps under itself.
std::vector<Row> gearRows(const std::vector<GearEntry>& gear, int columns) {
  std::vector<Row> out;
  out.reserve(gear.size());
  for (const GearEntry& g : gear) {
    const std::string quantity = padRight("(" + g.quantity + ")", 5);
    const std::string whole = quantity + g.name;
    if (characterCount(whole) <= static_cast<std::size_t>(columns)) {
      out.push_back({whole, {whole}});
      continue;
    }
    const auto nameColumns = static_cast<std::size_t>(
        std::max<int>(1, columns - static_cast<int>(characterCount(quantity))));
    Row row = columnRow(quantity, g.name, nameColumns, "", columns);
    for (std::string& line : row.lines) line = trimTrailingBlanks(line);
    row.whole = whole;
    out.push_back(std::move(row));
  }
  return out;
}

void drawIdentity(SheetWriter& out, const Warrior& w) {
  const struct {
    int y;
    const char* label;
    const std::string& value;
  } lines[] = {{350, "Name", w.name},
               {750, "Rank", w.rank},
               {950, "Affiliation", w.affiliation},
               {1150, "Home Planet", w.homePlanet},
               {1350, "Vehicle Type", w.vehicleType}};
  for (const auto& line : lines) {
    out.at(350, line.y, line.label);
    out.field(1600, line.y, ": " + line.value, kSheetRightEdge);
  }
}

void drawAttributes(SheetWriter& out, const Warrior& w) {
  out.at(350, 1700, "Attributes      Score   Save");
  static const char* const prefixes[kAttributeCount] = {"Build     BLD   ", "Reflexes  REF   ",
                                                        "Intuition INT   ", "Learn     LRN   ",
                                                        "Charisma  CHA   "};
  for (int a = 0; a < kAttributeCount; ++a)
    out.at(350, 1900 + 200 * a, attributeLine(prefixes[a], w.attributeScore[a]));

  out.at(500, 3000, "Characteristics");
  static const char* const names[kCharacteristicCount] = {"Athletic (", "Physical (", "Mental   (",
                                                          "Social   ("};
  static const char* const formulas[kCharacteristicCount] = {"+) (18-BLD-REF)", "+) (18-REF-INT)",
                                                             "+) (18-INT-LRN)", "+) (18-INT-CHA)"};
  for (int c = 0; c < kCharacteristicCount; ++c)
    out.at(350, 3400 + 200 * c, names[c] + padLeft(w.characteristic[c], 3) + formulas[c]);

  out.at(500, 4450, "Miscellaneous");
  // Typed values: one too long for the column wraps, and what has no room before the
  // advantages is continued.
  out.rows(350, 4850, 5800,
           {textRow("Edge                   :" + padLeft(w.edge, 5), kLeftColumns),
            textRow("Edge Used              :" + padLeft(w.edgeUsed, 5), kLeftColumns),
            textRow("AP Total               :" + padLeft(w.apTotal, 5), kLeftColumns),
            textRow("SP Total               :" + padLeft(w.spTotal, 5), kLeftColumns)},
           "Miscellaneous (continued)");
}

void drawLists(SheetWriter& out, const Warrior& w) {
  out.at(500, 5800, "Advantages");
  std::vector<Row> rows;
  for (const AdvantageEntry& a : w.advantages)
    rows.push_back(columnRow("", a.name, 28, a.level, kLeftColumns));
  out.rows(350, 6200, kAdvantagesEnd, rows, "Advantages (continued)");

  // One skill area only: the clan list for a clan race level, else the Inner Sphere list.
  out.at(3825, 1675, "Skill                   LVL      Roll");
  rows.clear();
  for (const SkillEntry& s : w.area(activeSkillArea(w)).skills)
    // A level of two digits takes a blank of the gap before the roll, so the rolls stay in line.
    rows.push_back(columnRow("", s.name, 25,
                             padRight(s.level, 2) + "      (" + padLeft(s.roll, 3) + "+)",
                             kSkillColumns));
  out.rows(3825, 2075, kSkillsEnd, rows, "Skills (continued)");

  out.at(8225, 1675, "Equipment");
  out.rows(8225, 2075, kEquipmentEnd, gearRows(w.equipment, kEquipmentColumns),
           "Equipment (continued)");

  out.field(8225, 8350, "Asset Worth: " + w.assetWorthText, kSheetRightEdge);
  out.field(8225, 8550, "C-Bills:     " + w.cBillsText, kSheetRightEdge);

  out.at(350, 9250, "Weapons");
  out.rows(350, 9650, kWeaponsEnd, gearRows(w.weapons, kWeaponColumns), "Weapons (continued)");
}

void drawDamage(SheetWriter& out, const Warrior& w) {
  out.at(350, 11550, "Damage Thresholds");
  out.at(250, 11950, "Head " + padLeft(w.thresholdHead, 3) + " (BLD x 2)");
  out.at(250, 12150, "Torso" + padLeft(w.thresholdTorso, 3) + " (BLD x 6)");
  out.at(250, 12350, "Arm  " + padLeft(w.thresholdArm, 3) + " (BLD x 3)");
  out.at(250, 12550, "Leg  " + padLeft(w.thresholdLeg, 3) + " (BLD x 3)");

  out.at(350, 12750, "Damage Effects");
  for (int y : {12950, 13150, 13350}) out.at(250, y, std::string(21, '_'));

  // One numbered pair of boxes per point of Build, as many as the damage grid has; the boxes are
  // always empty, to be ticked on paper.
  const int pairs = static_cast<int>(
      std::clamp<std::int64_t>(integerPart(w.attributeScore[kBLD]), 0, kSheetDamagePairs));
  std::string header = "WF  Condition Save   ";
  for (int k = 1; k <= pairs; ++k) header += toText(k) + "   ";
  out.at(2500, 11550, header);
  std::string boxes;
  for (int k = 1; k <= pairs; ++k) boxes += std::string(kDamageBox) + kDamageBox + "  ";
  for (int r = 0; r < kDamageRows; ++r)
    out.at(2500, 11950 + 200 * r, sheetDamageRow(kDamageConditions[r]) + boxes);
}

void drawPersonal(SheetWriter& out, const Warrior& w) {
  out.at(8225, 11550, "Personal Information");
  const std::pair<const char*, const std::string*> lines[] = {
      {"Age      : ", &w.age},         {"Sex      : ", &w.sex},
      {"Height   : ", &w.height},      {"Weight   : ", &w.weight},
      {"D.O.B.   : ", &w.dateOfBirth}, {"P.O.B.   : ", &w.placeOfBirth},
      {"# Sib.   : ", &w.siblings},    {"Hus/Wife : ", &w.spouse}};
  int y = 11950;
  for (const auto& [label, value] : lines) {
    out.field(8225, y, label + *value, kSheetRightEdge);
    y += 200;
  }
  // Hair and eye colour end before the personal information column.
  out.field(2700, 13050, "Hair Color  : " + w.hairColor, 8225);
  out.field(2700, 13250, "Eye Color   : " + w.eyeColor, 8225);
  // The nationality's line runs beside the last personal line: it ends before that column too.
  out.field(2700, 13450, "Nationality : " + w.nationality, 8225);
}

// The rows and notes that had no room on the sheet, in sheet order, on as many pages as needed.
void drawContinuation(SheetWriter& out, PrintSurface& surface, const Warrior& w,
                      std::string notesRest) {
  if (onlyBlanksAndBreaks(notesRest)) notesRest.clear();
  if (!out.longEntries.empty()) {
    Overflow entries{"Long entries (continued)", {}};
    for (const std::string& entry : out.longEntries)
      for (const WrappedLine& l : wrapText(entry, kContinuationWidth / kSheetCharacterWidth))
        entries.rows.push_back(entry.substr(l.begin, l.end - l.begin));
    out.overflow.push_back(std::move(entries));
  }
  if (out.overflow.empty() && notesRest.empty()) return;

  surface.newPage();
  int y = kContinuationTop;
  const auto line = [&](const std::string& text) {
    if (y + kSheetRowHeight > kContinuationBottom) {
      surface.newPage();
      y = kContinuationTop;
    }
    out.at(kContinuationLeft, y, text);
    y += kSheetRowHeight;
  };
  line("Warrior: " + w.name + " (continued)");
  for (const Overflow& section : out.overflow) {
    y += kSheetRowHeight;
    line(section.heading);
    for (const std::string& row : section.rows)
      for (const std::string& piece : wrapped(row, kContinuationWidth / kSheetCharacterWidth))
        line(piece);
  }
  if (notesRest.empty()) return;

  y += kSheetRowHeight;
  line("Notes (continued)");
  for (;;) {
    const std::size_t before = notesRest.size();
    notesRest =
        out.rectangle(notesRest, kContinuationLeft, y, kContinuationWidth, kContinuationBottom - y);
    if (onlyBlanksAndBreaks(notesRest)) return;
    // A surface that cannot place a single line even on an empty page would loop for ever.
    if (notesRest.size() == before && y == kContinuationTop) return;
    surface.newPage();
    y = kContinuationTop;
  }
}

}  // namespace

int attributeSave(const std::string& scoreText) {
  return 12 - clampToInt16(integerPart(scoreText));
}

void printWarriorSheet(const Warrior& w, PrintSurface& surface, bool preview) {
  surface.discardDocument();
  surface.setPreview(preview);
  surface.setPortrait();
  surface.setDocumentName(w.name);
  surface.startDocument();
  surface.setMargins(kSheetMargin, kSheetMargin, kSheetMargin, kSheetMargin);
  surface.setBold(false);
  surface.setFontName(kSheetFontName);
  surface.setFontSize(kSheetFontPoints);

  SheetWriter out(surface);
  drawIdentity(out, w);
  drawAttributes(out, w);
  drawLists(out, w);

  // The notes rectangle follows the preview control: left = width / 2 + 162.5 and
  // width = width / 2 - 37.5, in whole twips.
  const double half = surface.controlWidth() / 2.0;
  const int left = static_cast<int>(roundHalfEven(half + 162.5));
  const int width = static_cast<int>(roundHalfEven(half - 37.5));
  std::string notesRest =
      out.rectangle("Notes\n" + expandTabs(w.notes), left, kNotesTop, width, kNotesHeight);

  drawDamage(out, w);
  drawPersonal(out, w);
  drawContinuation(out, surface, w, std::move(notesRest));
  surface.endDocument();
}

}  // namespace dk
