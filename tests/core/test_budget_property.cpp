// No sequence of commands beats the budget: random players run every command of a warrior
// window, Save + Open and undo + redo among them, and after every step the warrior keeps every
// rule, no skill pool holds more than the grant leaves, and a reopened warrior is the saved one.
// A failing sequence is printed as steps that `Replays` below can run again.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

#include "FakePrompter.h"
#include "TestPaths.h"
#include "core/app/CheckWarrior.h"
#include "core/app/OpenWarrior.h"
#include "core/app/UndoHistory.h"
#include "core/app/WindowLoad.h"
#include "core/budget/Priorities.h"
#include "core/catalogue/PackageTypes.h"
#include "core/character/Attributes.h"
#include "core/character/Race.h"
#include "core/files/PackageFile.h"
#include "core/files/WarriorFile.h"
#include "core/gear/Advantages.h"
#include "core/gear/Gear.h"
#include "core/gear/Money.h"
#include "core/skills/ClanPackages.h"
#include "core/skills/SkillCommands.h"
#include "core/skills/SkillPackages.h"
#include "core/skills/SkillPoints.h"
#include "core/skills/SpecialityPicking.h"
#include "core/skills/TrainingReading.h"
#include "core/util/Numeric.h"

using namespace dk;

namespace {

// One step: the command, two numbers that pick its target, and the seed of the player's answers.
struct Step {
  int op, a, b;
  unsigned answers;
};

// A player whose answers, within what the dialogs allow, come from the step's seed.
class Player : public test::FakePrompter {
 public:
  std::mt19937 random;
  int below(int n) { return n <= 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(n)); }
  template <class List>
  const auto& any(const List& list) {
    return list[static_cast<std::size_t>(below(list.size()))];
  }

  bool askYesNo(const std::string&, MessageIcon) override { return below(3) != 0; }
  std::optional<std::string> askText(const std::string& prompt) override {
    if (prompt == kModifyCBillsPrompt) return toText(below(30000) - 5000);
    return toText(below(20));
  }
  std::optional<std::string> pickSkill(const std::vector<std::string>& names) override {
    return names.empty() ? std::nullopt : std::optional(any(names));
  }
  std::optional<SpecialityChoice> pickSpeciality(const std::vector<Speciality>& table,
                                                 int points) override {
    const PackageType& type = any(packageTypes());
    if (table.empty() || type.cost > points) return std::nullopt;
    const int row = below(table.size());
    const Speciality& s = table[static_cast<std::size_t>(row)];
    std::vector<std::string> required = s.required;
    std::shuffle(required.begin(), required.end(), random);
    if (s.requiredCount > 0) required.resize(static_cast<std::size_t>(s.requiredCount));
    return SpecialityChoice{
        s.name,     static_cast<std::int16_t>(row + 1), "", 0, std::string(type.name), required,
        s.electives};
  }
  std::optional<int> pickPackage(const std::vector<SkillPackage>& packages, int points) override {
    const int row = below(packages.size());
    if (packages.empty() || packages[static_cast<std::size_t>(row)].cost > points) return {};
    return row + 1;
  }
};

// Everything a window would show, save and go on from; not what the lists select, nor what a
// file cannot tell, which Open takes as it has always done: whether the Mech/Vehicle box of a
// warrior at BattleMech 0 is open (a new one's is, an opened one's not), whether equipment
// C-Bills spent to 0 were transferred (Open takes them as transferred), the bars' bounds (which
// Modify Priority Points leaves until the next change and Open takes from the maximum), and the
// pool of the area behind (filled when it comes to the front).
bool sameWarrior(Warrior a, const Warrior& b) {
  if (b.equipmentCBills == 0) a.cBillsTransferred = b.cBillsTransferred;
  a.innerSphere().list = b.innerSphere().list, a.clan().list = b.clan().list;
  a.currentActivity = b.currentActivity;  // the status line
  a.vehicleTypeEnabled = b.vehicleTypeEnabled, a.priorityBound = b.priorityBound;
  (b.isClan ? a.innerSphere().pool : a.clan().pool) =
      b.isClan ? b.innerSphere().pool : b.clan().pool;
  return !differsBeyondSelections(a, b);
}
std::vector<TrainedSkill> sorted(std::vector<TrainedSkill> v) {
  std::sort(v.begin(), v.end(), [](const auto& x, const auto& y) { return x.name < y.name; });
  return v;
}

// The one thing a file cannot tell: which skills a speciality's level choices went to once some
// of them are off the list (taken off, or never given when a picking was saved). Open may then
// read levels bought later as given: never more than those choices were worth.
std::size_t untold(const Warrior& w, SkillArea area) {
  const PackageType* type = findPackageType(w.packageName);
  if (area != SkillArea::InnerSphere || !specialityTaken(w) || !type) return 0;
  std::int64_t off = 0;
  for (std::int16_t v : type->levels) off += v;
  for (const SkillEntry& s : w.innerSphere().skills)
    off -= std::min<std::int64_t>(skillLevel(s), trainedLevels(w.innerSphere().training, s.name));
  return static_cast<std::size_t>(std::max<std::int64_t>(off, 0) * (off + 1) / 2);
}

// clang-format off
class Table {
 public:
  Warrior w;
  SharedState shared;
  Player player;
  CheckCatalogues catalogues;
  std::vector<CatalogueRow> skills;

  Table() {
    shared.dataFolder = DRAKKENFOLD_DATA;
    RuleContext ctx{w, shared, player};
    loadWindowCatalogues(ctx);
    skills = w.innerSphere().list;
    catalogues = {loadPackages(shared.dataFile(kPackageFileName)).valueOr({}),
                  shared.weaponCatalogue, shared.equipmentCatalogue};
  }

  // The warrior a save and an Open of this one give.
  Warrior reopened() {
    ReadOutcome read = parseWarriorFile(formatWarriorFile(w, "/t/w.war"), "/t/w.war");
    Warrior again = warriorFromFile(*read.opened, shared, player);
    RuleContext ctx{again, shared, player};
    loadSkills(ctx);
    return again;
  }

  void run(const Step& s) {
    player.random.seed(s.answers);
    RuleContext ctx{w, shared, player};
    const SkillArea area = activeSkillArea(w);  // the window shows the area in front only
    const auto gear = s.b % 2 ? GearKind::Weapons : GearKind::Equipment;
    auto& owned = w.area(area).skills;
    switch (s.op) {
      case 0: case 1: case 2: {  // as far as the bar goes
        const auto pool = static_cast<Pool>(s.a % kPoolCount);
        return movePriorityBar(ctx, pool, std::min(s.b % 5, priorityBarMaximum(w, pool)));
      }
      case 3: case 4:
        clickSkillPoolIS(w, s.a % 8);
        clickSkillList(w, area, (area == SkillArea::InnerSphere && !w.innerSphere().list.empty()
                                     ? w.innerSphere().list[static_cast<std::size_t>(s.a) % w.innerSphere().list.size()]
                                     : skills[static_cast<std::size_t>(s.a) % skills.size()]).name);
        return area == SkillArea::InnerSphere ? addSkillPointIS(ctx) : addSkillPoint(ctx, area);
      case 5: case 6:
        if (!owned.empty()) clickOwnedSkill(w, area, owned[static_cast<std::size_t>(s.a) % owned.size()].name);
        return removeSkillPointIn(ctx, area);
      // The window offers only the buttons that are open, in the area in front.
      case 7: if (!w.isClan && w.skillButtons[kPickMOSFOS]) pickMOS(ctx); return;
      case 8: if (!w.isClan && w.skillButtons[kAddPackage]) addPackage(ctx); return;
      case 9:
        if (w.isClan) return;
        if (w.skillButtons[kChangeMOS]) return removeMOS(ctx);
        if (w.skillButtons[kDelPackage]) removePackage(ctx);
        return;
      case 10: if (w.isClan && clanPackageAvailable(w)) addClanPackage(ctx); return;
      case 11: if (w.isClan && w.clanDelPackageEnabled) removeClanPackage(ctx); return;
      case 12:
        w.selections.advantage = advantageCatalogue()[static_cast<std::size_t>(s.a) % 16];
        return buyAdvantage(ctx);
      case 13: return resetAdvantages(ctx);
      case 14: return raiseAttribute(ctx, static_cast<Attribute>(s.a % kAttributeCount));
      case 15: return lowerAttribute(ctx, static_cast<Attribute>(s.a % kAttributeCount));
      case 16: return s.b % 2 ? addRaceMods(ctx) : removeRaceMods(ctx);
      case 17: return transferEquipmentCBills(ctx);
      case 18: return s.b % 2 ? modifyCBills(ctx) : modifyPriorityPoints(ctx);
      case 19: {
        const auto& rows = (gear == GearKind::Weapons ? shared.weaponCatalogue : shared.equipmentCatalogue)->rows;
        return doubleClickCatalogueGear(ctx, gear, *(gear == GearKind::Weapons ? shared.weaponCatalogue : shared.equipmentCatalogue),
                                        rows[static_cast<std::size_t>(s.a) % rows.size()].name);
      }
      case 20: {
        const auto& list = gearList(w, gear);
        if (list.empty()) return;
        return doubleClickOwnedGear(ctx, gear, *(gear == GearKind::Weapons ? shared.weaponCatalogue : shared.equipmentCatalogue),
                                    list[static_cast<std::size_t>(s.a) % list.size()].name);
      }
    }
  }
};
// clang-format on

constexpr int kCommands = 21, kSaveAndOpen = 21, kUndoAndRedo = 22;

std::string shown(const std::vector<Step>& steps) {
  std::ostringstream out;
  for (const Step& s : steps)
    out << "{" << s.op << "," << s.a << "," << s.b << "," << s.answers << "},";
  return out.str();
}

// Runs the steps, checking after each; returns what went wrong first, or nothing.
std::string play(const std::vector<Step>& steps) {
  Table t;
  UndoHistory history(t.w);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& s = steps[i];
    const auto fail = [&](const std::string& what) {
      return what + " after the steps " + shown({steps.begin(), steps.begin() + i + 1});
    };
    if (s.op == kSaveAndOpen) {
      Warrior again = t.reopened();
      if (formatWarriorFile(again, "") != formatWarriorFile(t.w, "") &&
          t.w.skillStage != kSkillStagePickingMos)
        return fail("the reopened warrior saves other bytes");
      const SkillArea front = activeSkillArea(t.w);
      if (again.area(front).pool.size() > t.w.area(front).pool.size() + untold(t.w, front) &&
          !(front == SkillArea::InnerSphere && t.w.skillStage == kSkillStagePickingMos))
        return fail("Open gave the skill pool more points");
      // Where the file tells the training exactly, the reopened warrior is the saved one, and
      // the next step does the same to both. (Whether the skills bar of a warrior at 0 who holds
      // no skill ever moved, the file does not tell: Open gives it no pools, as a new warrior.)
      const bool poolsAsNew = again.priorityLevel[kSkills] == 0 &&
                              again.innerSphere().pool.empty() && again.clan().pool.empty();
      if (!poolsAsNew &&
          sorted(again.innerSphere().training.skills) ==
              sorted(t.w.innerSphere().training.skills) &&
          sorted(again.clan().training.skills) == sorted(t.w.clan().training.skills) &&
          again.innerSphere().training.price == t.w.innerSphere().training.price &&
          again.clan().training.price == t.w.clan().training.price &&
          t.w.skillStage != kSkillStagePickingMos) {
        again.innerSphere().training = t.w.innerSphere().training,
        again.clan().training = t.w.clan().training;
        if (!sameWarrior(again, t.w)) return fail("the reopened warrior is not the saved one");
        // (A bar whose bounds the last Modify Priority Points left behind offers other levels.)
        if (i + 1 < steps.size() && steps[i + 1].op < kCommands &&
            again.priorityBound == t.w.priorityBound &&
            again.cBillsTransferred == t.w.cBillsTransferred) {
          Table other = t;
          other.w = again;
          other.run(steps[i + 1]);
          t.run(steps[i + 1]);
          ++i;
          if (!sameWarrior(other.w, t.w)) return fail("the next step differs after Open");
          again = std::move(other.w);
        }
      }
      t.w = std::move(again);
    } else if (s.op == kUndoAndRedo) {
      const Warrior now = t.w;
      history.undo();
      if (!sameWarrior(history.redo(), now)) return fail("undo and redo changed the warrior");
    } else {
      const Warrior before = t.w;
      t.run(s);
      if (history.record("step", t.w) && !sameWarrior(history.undo(), before))
        return fail("undo did not give the warrior before the step");
      history.redo();
    }
    history.record("step", t.w);
    const Warrior& w = t.w;
    const std::vector<Finding> findings = checkWarrior(w, t.catalogues);
    if (!keepsEveryRule(findings)) return fail("Check Warrior found: " + checkReport(findings));
    for (SkillArea area : {SkillArea::InnerSphere, SkillArea::Clan}) {
      if (area == SkillArea::InnerSphere && w.skillStage == kSkillStagePickingMos) continue;
      const std::int64_t pool = skillPoolTotal(t.w.area(area).pool);
      if (pool + skillPointsCommitted(w, area) > skillPointsGranted(w) &&
          area == activeSkillArea(w))
        return fail("the pool and what the area paid pass the skills grant");
    }
    if (w.attributesTouched && integerPart(w.freeAttributePoints) < 0)
      return fail("the free attribute points are below 0");
    if (integerPart(w.freeAttributePoints) != attributePointsLeft(w) && w.attributesTouched)
      return fail("the free attribute points are not what the grant leaves");
  }
  return {};
}

std::vector<Step> randomSteps(unsigned seed, int count) {
  std::mt19937 random(seed);
  std::vector<Step> steps;
  for (int i = 0; i < count; ++i) {
    const int op = static_cast<int>(random() % 24);
    steps.push_back({std::min(op, kUndoAndRedo), static_cast<int>(random() % 64),
                     static_cast<int>(random() % 16), static_cast<unsigned>(random())});
  }
  return steps;
}

}  // namespace

TEST(BudgetProperty, NoSequenceOfCommandsBeatsTheBudget) {
  for (unsigned seed = 1; seed <= 300; ++seed) {
    const std::string failure = play(randomSteps(seed, 80));
    ASSERT_TRUE(failure.empty()) << "seed " << seed << ": " << failure;
  }
}

// Sequences that once went wrong, as the property check printed them.
TEST(BudgetProperty, Replays) {
  const std::vector<std::vector<Step>> sequences = {};
  for (const auto& steps : sequences) EXPECT_EQ(play(steps), "");
}
