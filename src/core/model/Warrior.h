#pragma once
// The warrior record: the whole state of one character under construction. Each warrior window
// owns exactly one. The displayed half is held as the texts the window shows (the file and the
// sheet are written from them); the window-state half has real types.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace dk {

// The five priority pools, always in this order.
enum Pool : int { kRace = 0, kAttributes, kSkills, kAdvantages, kBattleMech };
inline constexpr int kPoolCount = 5;

// The five attributes, always in this order.
enum Attribute : int { kBLD = 0, kREF, kINT, kLRN, kCHA };
inline constexpr int kAttributeCount = 5;

// The four characteristic classes.
enum Characteristic : int { kAthletic = 0, kPhysical, kMental, kSocial };
inline constexpr int kCharacteristicCount = 4;

inline constexpr int kDamageRows = 5;
inline constexpr int kDamageColumns = 16;
inline constexpr int kMosSkillSlots = 51;

// The Inner Sphere skill buttons, in the order the warrior file stores them.
enum SkillButton : int {
  kAddPtIS = 0,  // "Add Pt -->"
  kPickMOSFOS,   // "Pick MOS"
  kAddPackage,   // "Add Package"
  kRemPtIS,      // "<-- Rem Pt"
  kChangeMOS,    // "Delete MOS"
  kDelPackage,   // "Del Package"
};
inline constexpr int kSkillButtonCount = 6;

struct SkillEntry {
  std::string name;
  std::string level;  // integer text
  std::string roll;   // integer text, empty until first computed
  bool operator==(const SkillEntry&) const = default;
};

// A row of a skill catalogue list: the skill and what its "Characteristic" column shows (the
// class word, or the code as read when it names no class).
struct CatalogueRow {
  std::string name;
  std::string shown;
  bool operator==(const CatalogueRow&) const = default;
};

// What training handed out to one skill of an area: the levels a speciality's choices or a
// package gave it. They were paid for with the training's price, so taking one of them off
// refunds nothing and putting it back costs nothing; levels above them are bought one by one.
struct TrainedSkill {
  std::string name;
  std::int16_t levels = 0;
  bool operator==(const TrainedSkill&) const = default;
};

// The training of a skill area: its price in skill points and the levels it handed out. Empty
// with price 0 while the area holds no training. Not stored: Open reads it from what the file
// holds (files give the speciality, the package and the skills).
struct SkillTraining {
  std::int32_t price = 0;
  std::vector<TrainedSkill> skills;
  bool operator==(const SkillTraining&) const = default;
};

// The two skill areas of a warrior, in this order: "Inner Sphere Skills" and "Clan Skills".
enum class SkillArea { InnerSphere = 0, Clan = 1 };
inline constexpr int kSkillAreaCount = 2;

// One skill area: the warrior's own skills in order of purchase, the pool of unspent points (one
// entry per point during free purchase; while a speciality is picked, the level choices), the
// catalogue list the area shows (the Inner Sphere one is the choice list while picking) and what
// its training handed out. Only the skills are stored.
struct SkillAreaRecord {
  std::vector<SkillEntry> skills;
  std::vector<std::int16_t> pool;
  std::vector<CatalogueRow> list;
  SkillTraining training;
  bool operator==(const SkillAreaRecord&) const = default;
};

// What the screen selects, apart from what the warrior is: the row last clicked in each list
// (empty for none), the Inner Sphere pool entry last clicked (the level choice to give next
// while a speciality is picked; -1 for none) and the column the clan list is sorted by (-1:
// purchase order). Rules read it ("the row last clicked"); undo never takes a click back.
struct ListSelections {
  std::array<std::string, kSkillAreaCount> skillRow;    // each area's catalogue list
  std::array<std::string, kSkillAreaCount> ownedSkill;  // each area's own skills
  int levelChoice = -1;
  int clanSortColumn = -1;
  std::string advantage;     // lstAdv
  std::string weaponRow;     // lstWeapList
  std::string weapon;        // lvWeap
  std::string equipmentRow;  // lstEqptList
  std::string equipment;     // lvEqpt
  std::string& skillList(SkillArea a) { return skillRow[static_cast<std::size_t>(a)]; }
  const std::string& skillList(SkillArea a) const { return skillRow[static_cast<std::size_t>(a)]; }
  std::string& owned(SkillArea a) { return ownedSkill[static_cast<std::size_t>(a)]; }
  const std::string& owned(SkillArea a) const { return ownedSkill[static_cast<std::size_t>(a)]; }
  bool operator==(const ListSelections&) const = default;
};

// The advantage whose row names its skill: "Natural Aptitude (Gunnery)".
inline constexpr const char* kNaturalAptitude = "Natural Aptitude";

struct AdvantageEntry {
  std::string name;
  std::string level;  // integer text, shown under "Points"
  bool operator==(const AdvantageEntry&) const = default;
};

struct GearEntry {
  std::string name;
  std::string quantity;  // integer text, at least "1"
  bool operator==(const GearEntry&) const = default;
};

struct Warrior {
  // --- Identity ("Warrior Info")
  std::string name;
  std::string rank;
  std::string affiliation;
  std::string homePlanet;
  std::string vehicleType;
  bool vehicleTypeEnabled = true;  // disabled while the BattleMech level is 0 (after a change)

  // --- Money: the rules compute with the numbers, then rewrite the texts the user sees.
  std::int32_t cBills = 200;
  std::int32_t equipmentCBills = 500;
  std::int32_t assetWorth = 0;
  std::string cBillsText = "200";
  std::string equipmentCBillsText = "500";
  std::string assetWorthText = "0";
  bool cBillsTransferred = false;

  // --- Miscellaneous and damage thresholds
  std::string edge = "1";
  std::string edgeUsed = "0";
  std::string apTotal = "0";
  std::string spTotal = "0";
  std::string thresholdHead = "0";
  std::string thresholdTorso = "0";
  std::string thresholdArm = "0";
  std::string thresholdLeg = "0";

  // --- Priorities. priorityLevel is what the bar holds; the echo, grant, points left and
  // bounds are what the procedures last wrote. A No to a reset question puts the bar back, so
  // the two agree.
  std::array<std::int16_t, kPoolCount> priorityLevel{0, 0, 0, 0, 0};
  std::array<std::int16_t, kPoolCount> priorityBound{4, 4, 4, 4, 4};
  std::array<std::string, kPoolCount> priorityEcho{"0", "0", "0", "0", "0"};
  std::array<std::string, kPoolCount> priorityGrant{"Human", "18", "8", "0", "Dispossessed"};
  std::string pointsLeft = "10";

  // --- Attributes and characteristics
  std::array<std::string, kAttributeCount> attributeScore{"1", "1", "1", "1", "1"};
  std::string freeAttributePoints = "18";
  bool attributesTouched = false;
  bool raceModsRemovable = false;
  bool raceModsAddable = true;
  std::string raceModsRace;
  std::array<std::string, kCharacteristicCount> characteristic{"16", "16", "16", "16"};

  // --- Damage condition: [row][column], 0 clear, 1 ticked. Which columns are in use follows
  // from BLD (damagePairsInUse); hidden columns keep their ticks.
  std::array<std::array<std::int16_t, kDamageColumns>, kDamageRows> damageBoxes{};

  // --- Skills: the two areas, and the state of their buttons and training
  std::array<SkillAreaRecord, kSkillAreaCount> areas;
  SkillAreaRecord& area(SkillArea a) { return areas[static_cast<std::size_t>(a)]; }
  const SkillAreaRecord& area(SkillArea a) const { return areas[static_cast<std::size_t>(a)]; }
  SkillAreaRecord& innerSphere() { return area(SkillArea::InnerSphere); }
  const SkillAreaRecord& innerSphere() const { return area(SkillArea::InnerSphere); }
  SkillAreaRecord& clan() { return area(SkillArea::Clan); }
  const SkillAreaRecord& clan() const { return area(SkillArea::Clan); }
  // Every skill button starts open, as an opened warrior has them.
  std::array<bool, kSkillButtonCount> skillButtons{true, true, true, true, true, true};
  bool clanAddPackageEnabled = true;   // clan "Add Package"
  bool clanDelPackageEnabled = false;  // clan "Del Package"
  bool skillsBought = false;
  bool clanPackageTaken = false;
  bool isClan = false;  // of a clan caste: the clan skill area is in front
  std::int16_t skillStage = 0;
  std::string mosName1;
  std::string mosName2;
  std::int16_t mosIndex1 = 0;
  std::int16_t mosIndex2 = 0;
  std::int16_t mosConfirmed = 0;
  std::string packageName;
  std::int16_t packageIndex = 0;
  std::array<std::string, kMosSkillSlots> requiredSkills{};
  std::array<std::string, kMosSkillSlots> electiveSkills{};
  bool electivesAnnounced = false;
  // The status line of the skills tab (not stored).
  std::string currentActivity;

  // --- Advantages
  std::string advantagePoints = "0";
  std::vector<AdvantageEntry> advantages;
  std::int16_t extraEdgeBought = 0;
  std::string aptitudeSkill;

  // --- Gear
  std::vector<GearEntry> weapons;
  std::vector<GearEntry> equipment;

  // --- Personal information and notes
  std::string age;
  std::string sex = "Male";
  std::string height;
  std::string weight;
  std::string hairColor;
  std::string eyeColor;
  std::string nationality;
  std::string dateOfBirth;
  std::string placeOfBirth;
  std::string siblings;
  std::string spouse;
  std::string notes;  // may hold line breaks ("\n")

  // --- File bookkeeping
  std::string filePath;
  bool reservedFlag = false;

  // --- What the screen selects (not stored; a warrior list's selection is cleared when its row
  // disappears)
  ListSelections selections;

  // --- Advantage list operations
  // Sets the level of the row of that name (the last match wins), or appends a row. A row for
  // "Natural Aptitude" is named "Natural Aptitude (<aptitudeSkill>)". Charges nothing.
  void addAdv(const std::string& advantage, std::int16_t level);
  // Deletes the row of that name; nothing when there is none. Refunds nothing.
  void removeAdv(const std::string& advantage);
  // The level of the row of that name as a number (the last match wins); 0 when there is none.
  std::int16_t getAdvLvl(const std::string& advantage) const;
  // Whether a row of that name exists; "Natural Aptitude" also matches "Natural Aptitude (...".
  bool haveAdv(const std::string& advantage) const;

  // Every field, the transient view state included: two records are equal when a window would
  // show, save and go on from them alike.
  bool operator==(const Warrior&) const = default;
};

// The skill area in front: clan skills for a clan race, else Inner Sphere skills.
inline SkillArea activeSkillArea(const Warrior& w) {
  return w.isClan ? SkillArea::Clan : SkillArea::InnerSphere;
}

// A score as the 16-bit number the rules compute with: the integer part of its text, a text
// beyond the 16-bit range counting as the nearest 16-bit value.
std::int16_t scoreValue(const Warrior& w, Attribute a);

// "Warrior: " followed by the name.
std::string warriorCaption(const Warrior& w);
// The warrior's name in quotation marks ("“Kira Valdane”"), or `nameless` for a warrior without
// one.
std::string quotedName(const std::string& name, const char* nameless);

// The names of the priorities ("Race", ... "BattleMech") and the attributes ("Build", ...
// "Charisma"), as the pages caption them and the undo steps and notes name them.
const char* poolTitle(Pool pool);
const char* attributeTitle(Attribute a);
const char* attributeCode(Attribute a);  // "BLD", "REF", "INT", "LRN", "CHA"

}  // namespace dk
