// Save, open, save again: the same bytes, for a few hundred generated warriors.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "WarriorFileSamples.h"

using namespace dk;
using namespace dk::test;

namespace {

class WarriorGenerator {
 public:
  explicit WarriorGenerator(unsigned seed) : rng_(seed) {}

  // A value for a trimmed line: no blanks at either end (the reader removes them), no line
  // break; sometimes empty.
  std::string value(bool allowEmpty = true) {
    if (allowEmpty && chance(8)) return "";
    std::string s;
    const int n = between(1, 14);
    for (int i = 0; i < n; ++i) s += piece();
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.erase(0, 1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    if (s.empty()) s = "x";
    return s;
  }

  // A personal line: taken as it stands, so blanks at the ends stay.
  std::string personal() { return chance(4) ? "" : " " + value() + (chance(2) ? "\t" : ""); }

  std::string notes() {
    std::string s;
    const int lines = between(0, 5);
    for (int i = 0; i < lines; ++i) {
      if (i > 0) s += '\n';
      if (!chance(4)) s += (chance(3) ? "  " : "") + value();
    }
    return s;
  }

  // Names that are unique in their list and cannot be taken for its stop marker.
  std::string uniqueName(std::set<std::string>& used) {
    for (;;) {
      std::string name = value(false);
      if (name.starts_with("STOP") || name.starts_with("END")) continue;
      if (used.insert(name).second) return name;
    }
  }

  std::int64_t number(std::int64_t lo, std::int64_t hi) {
    return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng_);
  }
  bool flag() { return chance(2); }

  Warrior warrior() {
    Warrior w;
    for (std::string* s : {&w.name,
                           &w.rank,
                           &w.affiliation,
                           &w.homePlanet,
                           &w.vehicleType,
                           &w.cBillsText,
                           &w.equipmentCBillsText,
                           &w.assetWorthText,
                           &w.edge,
                           &w.edgeUsed,
                           &w.apTotal,
                           &w.spTotal,
                           &w.thresholdHead,
                           &w.thresholdTorso,
                           &w.thresholdArm,
                           &w.thresholdLeg,
                           &w.pointsLeft,
                           &w.freeAttributePoints,
                           &w.advantagePoints,
                           &w.mosName1,
                           &w.mosName2,
                           &w.packageName}) {
      *s = value();
    }
    for (auto& l : w.priorityLevel) l = static_cast<std::int16_t>(number(0, 4));
    for (auto& g : w.priorityGrant) g = value();
    for (auto& a : w.attributeScore) a = value();
    for (auto& c : w.characteristic) c = value();
    w.raceModsRemovable = flag();
    w.raceModsAddable = flag();
    for (auto& row : w.damageBoxes)
      for (auto& box : row) box = static_cast<std::int16_t>(number(0, 1));
    for (auto& b : w.skillButtons) b = flag();
    std::set<std::string> used;
    for (int i = between(0, 12); i > 0; --i)
      w.innerSphere().skills.push_back({uniqueName(used), value(), value()});
    used.clear();
    for (int i = between(0, 6); i > 0; --i)
      w.clan().skills.push_back({uniqueName(used), value(), value()});
    used.clear();
    for (int i = between(0, 6); i > 0; --i) w.advantages.push_back({uniqueName(used), value()});
    used.clear();
    for (int i = between(0, 8); i > 0; --i) w.weapons.push_back({uniqueName(used), value()});
    used.clear();
    for (int i = between(0, 8); i > 0; --i) w.equipment.push_back({uniqueName(used), value()});
    w.extraEdgeBought = static_cast<std::int16_t>(number(INT16_MIN, INT16_MAX));
    w.reservedFlag = flag();
    w.skillsBought = flag();
    w.clanPackageTaken = flag();
    w.isClan = flag();
    w.skillStage = static_cast<std::int16_t>(number(-5, 5));
    w.mosIndex1 = static_cast<std::int16_t>(number(INT16_MIN, INT16_MAX));
    w.mosIndex2 = static_cast<std::int16_t>(number(-1, 300));
    w.mosConfirmed = static_cast<std::int16_t>(number(0, 1));
    w.packageIndex = static_cast<std::int16_t>(number(0, 50));
    w.cBills = static_cast<std::int32_t>(number(INT32_MIN, INT32_MAX));
    w.equipmentCBills = static_cast<std::int32_t>(number(-1000, 100000));
    w.assetWorth = static_cast<std::int32_t>(number(0, INT32_MAX));
    const int required = chance(5) ? kMosSkillSlots : between(0, 6);
    for (int i = 0; i < required; ++i) w.requiredSkills[static_cast<std::size_t>(i)] = value(false);
    for (int i = between(0, 6); i > 0; --i)
      w.electiveSkills[static_cast<std::size_t>(i - 1)] = value(false);
    for (std::string* s :
         {&w.age, &w.sex, &w.height, &w.weight, &w.hairColor, &w.eyeColor, &w.nationality,
          &w.dateOfBirth, &w.placeOfBirth, &w.siblings, &w.spouse}) {
      *s = personal();
    }
    w.notes = notes();
    return w;
  }

 private:
  bool chance(int oneIn) { return number(1, oneIn) == 1; }
  int between(int lo, int hi) { return static_cast<int>(number(lo, hi)); }

  std::string piece() {
    // Mostly plain text; sometimes what a careless format would trip over.
    static const char* const kPieces[] = {
        "a", "Kai", " ", ",", "\"", "'", "-", "7", "\t", "Zo\u00EB", "\u00E9", "\u20AC", "\u2122",
        "\u00C3\u00A9", "\u0081", "\u00FF", "True", "START IS SKILLS", "  ",
        // outside the code page: only in some warriors, so both encodings get written
        "\u65E5\u672C", "\xF0\x9F\x9B\xA1"};
    constexpr int kCount = sizeof(kPieces) / sizeof(kPieces[0]);
    return kPieces[between(0, outsideCodePage_ ? kCount - 1 : kCount - 3)];
  }

 public:
  bool outsideCodePage_ = false;

 private:
  std::mt19937_64 rng_;
};

}  // namespace

TEST(WarriorFileRoundTrip, SaveOpenSaveGivesTheSameBytes) {
  WarriorGenerator gen(20240611u);
  int utf8Files = 0;
  for (int i = 0; i < 300; ++i) {
    gen.outsideCodePage_ = (i % 3 == 0);
    const Warrior original = gen.warrior();
    const std::string path = "/saves/warrior " + std::to_string(i) + ".war";
    const std::string first = formatWarriorFile(original, path);
    const ReadOutcome r = parseWarriorFile(first, path);
    ASSERT_EQ(r.status, ReadOutcome::Ok)
        << "warrior " << i << ": " << damagedFileMessage(path, r.line, r.expected);
    ASSERT_EQ(resaved(*r.opened, path, original.skillButtons), first) << "warrior " << i;
    if (first.find("\xE6\x97\xA5") != std::string::npos) ++utf8Files;
  }
  EXPECT_GT(utf8Files, 20);  // both encodings were exercised
}

TEST(WarriorFileRoundTrip, BlanksAroundTrimmedValuesAreDroppedOnce) {
  Warrior w;
  w.name = "  Kai \t";
  w.innerSphere().skills = {{" Blade", "1 ", "\t9"}};
  w.requiredSkills[0] = " Blade ";
  w.age = " 27 ";
  const std::string first = formatWarriorFile(w, "p");
  const ReadOutcome r = parseWarriorFile(first, "p");
  ASSERT_EQ(r.status, ReadOutcome::Ok);
  EXPECT_EQ(r.opened->warrior.name, "Kai");
  EXPECT_EQ(r.opened->warrior.innerSphere().skills[0], (SkillEntry{"Blade", "1", "9"}));
  EXPECT_EQ(r.opened->warrior.requiredSkills[0], "Blade");
  EXPECT_EQ(r.opened->warrior.age, " 27 ");  // personal lines keep their blanks
  // From then on the file is stable.
  const std::string second = formatWarriorFile(r.opened->warrior, "p");
  EXPECT_EQ(formatWarriorFile(parseWarriorFile(second, "p").opened->warrior, "p"), second);
}
