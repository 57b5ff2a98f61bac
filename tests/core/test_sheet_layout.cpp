// The character sheet: every text at its place, the choices that depend on the record, and
// what happens to rows and notes that have no room on the page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "RecordingSurface.h"
#include "TestPaths.h"
#include "core/files/GearFiles.h"
#include "core/files/SkillFile.h"
#include "core/gear/Advantages.h"
#include "core/printing/CharacterSheet.h"
#include "core/printing/TextWrap.h"

// Warriors are written as designated initializers: the fields left out keep their defaults, which
// is what GCC warns of.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace dk;
using dk::test::RecordingSurface;

namespace {
using Texts = std::vector<std::string>;
const std::string kPair = "\u25A1\u25A1  ";

std::string pairs(int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += kPair;
  return out;
}

// clang-format off
Warrior fullWarrior() {
  return {.name = "Kai Ostrander", .rank = "Lieutenant", .affiliation = "Vesper Concord",
          .homePlanet = "Harrow's Reach", .vehicleType = "Medium",
          .cBillsText = "1200", .assetWorthText = "350",
          .edge = "2", .edgeUsed = "1", .apTotal = "12", .spTotal = "140",
          .thresholdHead = "10", .thresholdTorso = "30", .thresholdArm = "15", .thresholdLeg = "15",
          .attributeScore = {"5", "4", "3", "6", "2"}, .characteristic = {"9", "11", "9", "13"},
          .areas = {{{.skills = {{"Gunnery/Mech", "3", "6"}, {"Piloting/Mech", "2", "7"},
                                 {"Leadership", "10", "11"}}},
                     {.skills = {{"Blade", "1", "9"}}}}},
          .advantages = {{"Extra Edge", "1"}, {"Natural Aptitude (Gunnery/Mech)", "2"}},
          .weapons = {{"Laser Pistol", "2"}},
          .equipment = {{"Field Kit", "1"}, {"Coolant Vest", "12"}},
          .age = "31", .height = "1.82 m", .weight = "84 kg", .hairColor = "Black",
          .eyeColor = "Grey", .nationality = "Concord", .dateOfBirth = "3012-04-17",
          .placeOfBirth = "Harrow's Reach", .siblings = "2",
          .notes = "Veteran of the Tessaly raid."};
}
// clang-format on

RecordingSurface draw(const Warrior& w, bool preview = true) {
  RecordingSurface s;
  printWarriorSheet(w, s, preview);
  return s;
}

// The one entry printed at (x, y), or "" when there is none.
std::string textAt(const RecordingSurface& s, int x, int y) {
  const std::string key = std::to_string(x) + " " + std::to_string(y) + ": ";
  for (const std::string& e : s.log)
    if (e.rfind(key, 0) == 0) return e.substr(key.size());
  return {};
}
}  // namespace

// clang-format off
TEST(CharacterSheet, FullWarriorPrintsEveryTextAtItsPlace) {
  const std::string boxes = pairs(5);
  const Texts expected = {
      "discard", "preview on", "portrait", "name Kai Ostrander", "start",
      "margins 100 100 100 100", "bold off", "font Courier New", "size 9",
      "350 350: Name", "1600 350: : Kai Ostrander",
      "350 750: Rank", "1600 750: : Lieutenant",
      "350 950: Affiliation", "1600 950: : Vesper Concord",
      "350 1150: Home Planet", "1600 1150: : Harrow's Reach",
      "350 1350: Vehicle Type", "1600 1350: : Medium",
      "350 1700: Attributes      Score   Save",
      "350 1900: Build     BLD   5       (  7+)", "350 2100: Reflexes  REF   4       (  8+)",
      "350 2300: Intuition INT   3       (  9+)", "350 2500: Learn     LRN   6       (  6+)",
      "350 2700: Charisma  CHA   2       ( 10+)",
      "500 3000: Characteristics",
      "350 3400: Athletic (  9+) (18-BLD-REF)", "350 3600: Physical ( 11+) (18-REF-INT)",
      "350 3800: Mental   (  9+) (18-INT-LRN)", "350 4000: Social   ( 13+) (18-INT-CHA)",
      "500 4450: Miscellaneous",
      "350 4850: Edge                   :    2", "350 5050: Edge Used              :    1",
      "350 5250: AP Total               :   12", "350 5450: SP Total               :  140",
      "500 5800: Advantages", "350 6200: Extra Edge                  1",
      "350 6400: Natural Aptitude", "350 6600: (Gunnery/Mech)              2",
      "3825 1675: Skill                   LVL      Roll",
      "3825 2075: Gunnery/Mech             3       (  6+)",
      "3825 2275: Piloting/Mech            2       (  7+)",
      "3825 2475: Leadership               10      ( 11+)",
      "8225 1675: Equipment", "8225 2075: (1)  Field Kit", "8225 2275: (12) Coolant Vest",
      "8225 8350: Asset Worth: 350", "8225 8550: C-Bills:     1200",
      "350 9250: Weapons", "350 9650: (2)  Laser Pistol",
      "3410 9250: rect 3410 9250 3210 1500 Notes\nVeteran of the Tessaly raid.",
      "350 11550: Damage Thresholds", "250 11950: Head  10 (BLD x 2)",
      "250 12150: Torso 30 (BLD x 6)", "250 12350: Arm   15 (BLD x 3)",
      "250 12550: Leg   15 (BLD x 3)", "350 12750: Damage Effects",
      "250 12950: _____________________", "250 13150: _____________________",
      "250 13350: _____________________",
      "2500 11550: WF  Condition Save   1   2   3   4   5   ",
      "2500 11950: 1     Good    3+     " + boxes, "2500 12150: 2     Fair    5+     " + boxes,
      "2500 12350: 3     Poor    7+     " + boxes, "2500 12550: 4    Serious  10+    " + boxes,
      "2500 12750: 5    Critical 11+    " + boxes,
      "8225 11550: Personal Information", "8225 11950: Age      : 31",
      "8225 12150: Sex      : Male", "8225 12350: Height   : 1.82 m",
      "8225 12550: Weight   : 84 kg", "8225 12750: D.O.B.   : 3012-04-17",
      "8225 12950: P.O.B.   : Harrow's Reach", "8225 13150: # Sib.   : 2",
      "8225 13350: Hus/Wife : ",
      "2700 13050: Hair Color  : Black", "2700 13250: Eye Color   : Grey",
      "2700 13450: Nationality : Concord",
      "end",
  };
  EXPECT_EQ(draw(fullWarrior()).log, expected);
  EXPECT_EQ(draw(fullWarrior(), false).log[1], "preview off");
}
// clang-format on

TEST(CharacterSheet, SavesAndTheirSpacing) {
  const std::pair<const char*, const char*> cases[] = {
      {"1", "Build     BLD   1       ( 11+)"},  // two-character save: one space
      {"5", "Build     BLD   5       (  7+)"},  // one character: two spaces
      {"12", "Build     BLD   12      (  0+)"},
      {"13", "Build     BLD   13      ( -1+)"},
      {"25", "Build     BLD   25      (  -13+)"},             // three characters: two spaces
      {"123456789", "Build     BLD   123456789(  -32755+)"},  // a score is 16-bit
  };
  for (const auto& [score, line] : cases) {
    Warrior w;
    w.attributeScore[kBLD] = score;
    EXPECT_EQ(textAt(draw(w), 350, 1900), line) << score;
  }
}

TEST(CharacterSheet, DamageTrackFollowsBuildWithEmptyBoxes) {
  const std::pair<const char*, int> cases[] = {{"1", 1}, {"8", 8}, {"0", 0}, {"-3", 0}, {"40", 8}};
  for (const auto& [bld, boxes] : cases) {
    Warrior w;
    w.attributeScore[kBLD] = bld;
    for (auto& row : w.damageBoxes) row.fill(1);  // ticks never reach the paper
    const RecordingSurface s = draw(w);
    std::string header = "WF  Condition Save   ";
    for (int k = 1; k <= boxes; ++k) header += std::to_string(k) + "   ";
    EXPECT_EQ(textAt(s, 2500, 11550), header) << bld;
    EXPECT_EQ(textAt(s, 2500, 11950), "1     Good    3+     " + pairs(boxes)) << bld;
    EXPECT_EQ(textAt(s, 2500, 12750), "5    Critical 11+    " + pairs(boxes)) << bld;
  }
  // Eight pairs end one twip before the personal information column.
  Warrior w;
  w.attributeScore[kBLD] = "8";
  const std::string row = textAt(draw(w), 2500, 12150);
  EXPECT_EQ(2500 + static_cast<int>(characterCount(row)) * kSheetCharacterWidth, 8224 + 0);
}

TEST(CharacterSheet, AClanWarriorPrintsTheClanSkillsOnly) {
  Warrior w = fullWarrior();
  w.isClan = true;
  const RecordingSurface s = draw(w);
  EXPECT_EQ(textAt(s, 3825, 2075), "Blade                    1       (  9+)");
  EXPECT_FALSE(s.printedAt(3825, 2275));
  w.isClan = false;
  EXPECT_EQ(textAt(draw(w), 3825, 2075), "Gunnery/Mech             3       (  6+)");
}

TEST(CharacterSheet, LongNamesWrapInTheirColumnAndPaddingCountsCharacters) {
  const RecordingSurface s =
      draw({.advantages = {{"Natural Aptitude (Jumpship Drive)", "3"}, {"Z\u00e4higkeit", "1"}},
            .weapons = {{"Halloran Service Pistol (Ammo)", "2"}},
            .equipment = {{"Survival Kit", "1234"}}});
  // The name of 33 characters wraps within its 28, the points stay under their column.
  EXPECT_EQ(textAt(s, 350, 6200), "Natural Aptitude (Jumpship");
  EXPECT_EQ(textAt(s, 350, 6400), "Drive)                      3");
  EXPECT_EQ(textAt(s, 350, 6600), "Z\u00e4higkeit                   1");  // 28 characters
  EXPECT_EQ(textAt(s, 8225, 2075), "(1234)Survival Kit");
  // A tab in the notes is set as blanks to the next stop of eight.
  Warrior tabbed{.notes = "Ammo:\t12\nÄ\tx"};
  EXPECT_EQ(draw(tabbed).rectangleParts.front(), "Notes\nAmmo:   12\nÄ       x");
  // 28 characters would touch the notes: a character of air stays before them.
  EXPECT_EQ(textAt(s, 350, 9650), "(2)  Halloran Service");
  EXPECT_EQ(textAt(s, 350, 9850), "     Pistol (Ammo)");
}

TEST(CharacterSheet, NoTwoTextsOverlapWithTheLongestNamesOfEveryCatalogue) {
  Warrior w = fullWarrior();
  const auto longest = [](const std::vector<std::string>& names) {
    return *std::max_element(names.begin(), names.end(), [](const auto& a, const auto& b) {
      return characterCount(a) < characterCount(b);
    });
  };
  std::vector<std::string> skills, weapons, equipment;
  // The results are kept: a range over a member of a temporary would outlive it.
  const auto skillFile = readSkillCatalogue((std::string(DRAKKENFOLD_DATA) + "/skills.dat"));
  const auto weaponFile =
      readGearFile(GearKind::Weapons, (std::string(DRAKKENFOLD_DATA) + "/weapons.dat"));
  const auto equipmentFile =
      readGearFile(GearKind::Equipment, (std::string(DRAKKENFOLD_DATA) + "/equipt.dat"));
  for (const auto& k : skillFile->skills) skills.push_back(k.name);
  for (const auto& r : weaponFile->rows) weapons.push_back(r.name);
  for (const auto& r : equipmentFile->rows) equipment.push_back(r.name);
  w.innerSphere().skills.push_back({longest(skills), "12", "-3"});
  w.advantages.push_back({"Natural Aptitude (" + longest(skills) + ")", "3"});
  w.advantages.push_back({longest(advantageCatalogue()), "3"});
  w.weapons.push_back({longest(weapons), "12"});
  w.equipment.push_back({longest(equipment), "100"});
  w.edge = w.nationality = w.hairColor = w.placeOfBirth = std::string(60, 'v');
  w.notes = "First line.\nSecond line, with a comma.\nThird line.";

  const RecordingSurface s = draw(w);
  struct Box {
    int left, top, right, bottom;
    std::string text;
  };
  std::vector<std::vector<Box>> pages(1);
  std::string printed;
  for (const std::string& e : s.log) {
    if (e == "page") pages.emplace_back();
    int x = 0, y = 0, l = 0, t = 0, width = 0, height = 0, used = 0;
    if (std::sscanf(e.c_str(), "%d %d: rect %d %d %d %d %n", &x, &y, &l, &t, &width, &height,
                    &used) == 6) {
      pages.back().push_back({l, t, l + width, t + height, e});
      printed += e.substr(static_cast<std::size_t>(used));
    } else if (std::sscanf(e.c_str(), "%d %d: %n", &x, &y, &used) == 2 &&
               e.size() > std::size_t(used)) {
      const std::string text = e.substr(static_cast<std::size_t>(used));
      // The ink ends at the last character that is not a blank, and wants a character of air
      // after it.
      const int chars =
          static_cast<int>(characterCount(text.substr(0, text.find_last_not_of(' ') + 1)));
      pages.back().push_back(
          {x, y, x + (chars + 1) * kSheetCharacterWidth, y + kSheetRowHeight, e});
      printed += text + " ";
    }
  }
  for (const auto& page : pages)
    for (auto a = page.begin(); a != page.end(); ++a)
      for (auto b = a + 1; b != page.end(); ++b) {
        // A label of the identity block and its value's colon stand at fixed places, closer than
        // a character ("Vehicle Type" even runs under the colon's cell, whose ink stands clear).
        if (a->left == 350 && a->top < 1700 && b->top == a->top && b->left == 1600) continue;
        EXPECT_FALSE(a->left < b->right && b->left < a->right && a->top < b->bottom &&
                     b->top < a->bottom)
            << a->text << "  overlaps  " << b->text;
      }
  // Every name is printed somewhere, in a column or on a continuation page.
  const auto squeezed = [](std::string t) {
    std::erase_if(t, [](char c) { return c == ' ' || c == '\n'; });
    return t;
  };
  for (const std::string& name :
       {w.innerSphere().skills.back().name, w.advantages[2].name, w.advantages[3].name,
        w.weapons.back().name, w.equipment.back().name, w.edge, w.nationality, w.notes})
    EXPECT_NE(squeezed(printed).find(squeezed(name)), std::string::npos) << name;
}

TEST(CharacterSheet, NewWarriorPrintsHeadingsOnlyAndTheNotesHeading) {
  const RecordingSurface s = draw(Warrior{});
  EXPECT_EQ(textAt(s, 500, 5800), "Advantages");
  for (const auto& [x, y] : {std::pair{350, 6200}, {3825, 2075}, {8225, 2075}, {350, 9650}})
    EXPECT_FALSE(s.printedAt(x, y)) << x << ' ' << y;
  EXPECT_EQ(textAt(s, 3410, 9250), "rect 3410 9250 3210 1500 Notes\n");
  EXPECT_EQ(textAt(s, 1600, 350), ": ");
  EXPECT_EQ(std::count(s.log.begin(), s.log.end(), "page"), 0);
  EXPECT_EQ(s.log.back(), "end");
}

TEST(CharacterSheet, NotesRectangleFollowsTheControlWidth) {
  RecordingSurface s;
  s.width = 7001;  // half is 3500.5: 3663 and 3463 after rounding halves to even
  printWarriorSheet(Warrior{}, s, true);
  EXPECT_EQ(textAt(s, 3663, 9250), "rect 3663 9250 3463 1500 Notes\n");
}

namespace {
std::vector<std::string> numbered(const std::string& stem, int n) {
  std::vector<std::string> out;
  for (int i = 1; i <= n; ++i) out.push_back(stem + std::to_string(i));
  return out;
}

Warrior listsOf(int advantages, int skills, int equipment, int weapons, int noteLines) {
  Warrior w;
  w.name = "Mara";
  for (const auto& n : numbered("Adv ", advantages)) w.advantages.push_back({n, "1"});
  for (const auto& n : numbered("Skill ", skills)) w.innerSphere().skills.push_back({n, "1", "8"});
  for (const auto& n : numbered("Kit ", equipment)) w.equipment.push_back({n, "1"});
  for (const auto& n : numbered("Gun ", weapons)) w.weapons.push_back({n, "1"});
  for (const auto& n : numbered("note line ", noteLines)) w.notes += n + "\n";
  return w;
}
}  // namespace

TEST(CharacterSheet, AFullSheetThatFitsKeepsOnePage) {
  // 15 advantages, 35 skills, 31 pieces of equipment, 9 weapons and 6 note lines have room.
  const RecordingSurface s = draw(listsOf(15, 35, 31, 9, 6));
  EXPECT_EQ(std::count(s.log.begin(), s.log.end(), "page"), 0);
  EXPECT_EQ(textAt(s, 350, 9000), "Adv 15                      1");
  EXPECT_EQ(textAt(s, 3825, 8875).substr(0, 8), "Skill 35");
  EXPECT_EQ(textAt(s, 8225, 8075), "(1)  Kit 31");
  EXPECT_EQ(textAt(s, 350, 11250), "(1)  Gun 9");
  EXPECT_EQ(s.rectangleParts.size(), 1u);
}

// clang-format off
TEST(CharacterSheet, RowsAndNotesWithoutRoomContinueOnANewPageInSheetOrder) {
  const Warrior w = listsOf(17, 36, 33, 10, 8);
  const RecordingSurface s = draw(w);
  const auto page = std::find(s.log.begin(), s.log.end(), "page");
  ASSERT_NE(page, s.log.end());
  EXPECT_EQ(std::count(s.log.begin(), s.log.end(), "page"), 1);
  // Nothing overlaps what lies below a list on the sheet.
  for (const auto& [x, y] : {std::pair{350, 9200}, {3825, 9075}, {8225, 8275}, {350, 11450}})
    EXPECT_FALSE(s.printedAt(x, y)) << x << ' ' << y;

  const Texts continued(page + 1, s.log.end());
  const Texts expected = {
      "350 350: Warrior: Mara (continued)",
      "350 750: Advantages (continued)", "350 950: Adv 16                      1",
      "350 1150: Adv 17                      1",
      "350 1550: Skills (continued)", "350 1750: Skill 36                 1       (  8+)",
      "350 2150: Equipment (continued)", "350 2350: (1)  Kit 32", "350 2550: (1)  Kit 33",
      "350 2950: Weapons (continued)", "350 3150: (1)  Gun 10",
      "350 3550: Notes (continued)",
      "350 3750: rect 350 3750 10800 11250 note line 7\nnote line 8\n",
      "end",
  };
  EXPECT_EQ(continued, expected);
  // The notes, cut at a line, are all there.
  EXPECT_EQ(s.rectangleParts[0] + s.rectangleParts[1], "Notes\n" + w.notes);
}
// clang-format on

TEST(CharacterSheet, LongListsAndNotesRunOverAsManyPagesAsNeeded) {
  Warrior w = listsOf(0, 0, 150, 0, 0);
  for (int i = 0; i < 400; ++i) w.notes += "word" + std::to_string(i) + " ";
  w.notes += "\n\n";  // trailing blank lines start no page of their own
  const RecordingSurface s = draw(w);
  // Every piece of equipment printed exactly once, none below the continuation pages' bottom.
  const Texts texts = s.texts();
  for (const auto& kit : numbered("(1)  Kit ", 150))
    EXPECT_EQ(std::count(texts.begin(), texts.end(), kit), 1) << kit;
  for (const std::string& e : s.log) {
    const auto space = e.find(' ');
    if (space == std::string::npos || !std::isdigit(static_cast<unsigned char>(e[0]))) continue;
    EXPECT_LE(std::stoi(e.substr(space + 1)) + 200, kContinuationBottom) << e;
  }
  std::string notes;
  for (const auto& part : s.rectangleParts) notes += part;
  EXPECT_EQ(notes, "Notes\n" + w.notes.substr(0, w.notes.size() - 2) + "\n\n");
  EXPECT_GE(std::count(s.log.begin(), s.log.end(), "page"), 2);
}

TEST(CharacterSheet, TypedValuesTooLongForTheirLineAreCutAndContinuedWhole) {
  const Warrior w{.name = "Mara",
                  // Each line ends a character before what stands right of it.
                  .homePlanet = std::string(91, 'p'),  // just fits: 93 characters from X 1600
                  .hairColor = std::string(40, 'h'),   // room for 36 before the personal column
                  .placeOfBirth = "Kestrel Prime, Outer Rim Colonies"};  // room for 21 of 33
  const RecordingSurface s = draw(w);
  EXPECT_EQ(textAt(s, 8225, 12950), "P.O.B.   : Kestrel Prime, Outer ");
  EXPECT_EQ(textAt(s, 2700, 13050), "Hair Color  : " + std::string(36, 'h'));
  EXPECT_EQ(textAt(s, 1600, 1150), ": " + w.homePlanet);
  const auto page = std::find(s.log.begin(), s.log.end(), "page");
  ASSERT_NE(page, s.log.end());
  EXPECT_EQ(Texts(page + 1, s.log.end()),
            (Texts{"350 350: Warrior: Mara (continued)", "350 750: Long entries (continued)",
                   "350 950: P.O.B.   : Kestrel Prime, Outer Rim Colonies",
                   "350 1150: Hair Color  : " + w.hairColor, "end"}));
}
