// A priority change never hands out what the warrior already has: bought levels, a speciality's
// or a package's training and the advantages with their effects stay paid for, and a No to a
// reset question leaves bar, echo, grant and points left in agreement.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "FakePrompter.h"
#include "gear/Advantages.h"
#include "gear/Money.h"
#include "character/Attributes.h"
#include "character/Characteristics.h"
#include "files/PackageFile.h"
#include "budget/Priorities.h"
#include "skills/ClanPackages.h"
#include "catalogue/PackageTypes.h"
#include "skills/SkillAreas.h"
#include "skills/SkillPackages.h"
#include "skills/SpecialityPicking.h"
#include "util/Numeric.h"

namespace dk {
// Enough of a warrior to see what went wrong.
void PrintTo(const Warrior& w, std::ostream* os) {
  *os << "levels";
  for (int p = 0; p < kPoolCount; ++p) *os << ' ' << w.priorityLevel[p] << '/' << w.priorityEcho[p];
  *os << " skills grant " << w.priorityGrant[kSkills] << ", points left " << w.pointsLeft
      << ", pools " << w.skillPoolIS.size() << '/' << w.skillPoolClan.size() << ", skills "
      << w.skillsIS.size() << '/' << w.skillsClan.size() << ", stage " << w.skillStage
      << ", advantages " << w.advantages.size() << " (" << w.advantagePoints << "), C-Bills "
      << w.cBills << '/' << w.equipmentCBills << ", Edge " << w.edge;
}
}  // namespace dk

using namespace dk;

namespace {
const SpecialityChoice kMechWarrior{"MechWarrior", 1, "", 0, "Basic Academy Package",
                                    {"Gunnery/BattleMech", "Tactics"}, {"Tech/BattleMech"}};
std::vector<std::int16_t> points(int n) { return std::vector<std::int16_t>(n, 1); }

// A warrior with the whole skill catalogue loaded, and a player to answer for it.
template <class Player>
struct Playing {
  Warrior w;
  SharedState app;
  Player prompter;
  RuleContext ctx{w, app, prompter};
  std::vector<CatalogueRow> wholeCatalogue;

  Playing() {
    app.dataFolder = DRAKKENFOLD_DATA;
    loadSkills(ctx);
    wholeCatalogue = w.skillListIS;
  }
  void level(Pool pool, int level) { setPriorityLevel(ctx, pool, level); }
  void buy(const std::string& skill, SkillArea area = SkillArea::InnerSphere) {
    clickSkillList(w, area, skill);
    addSkillPoint(ctx, area);
  }
  void advantage(const std::string& name) {
    w.selectedAdvantage = name;
    buyAdvantage(ctx);
  }
  void speciality() {
    prompter.specialityAnswers = {kMechWarrior};
    pickMOS(ctx);
    clickSkillPoolIS(w, 0);
    clickSkillList(w, SkillArea::InnerSphere, "Tactics");
    addSkillPointIS(ctx);
  }
};
using Budget = Playing<test::FakePrompter>;

// The bar's own fields after a change that went through.
void moved(Warrior& e, Pool pool, int level, const std::string& grant, const std::string& left) {
  e.priorityLevel[pool] = static_cast<std::int16_t>(level);
  e.priorityEcho[pool] = toText(level);
  e.priorityGrant[pool] = grant;
  e.pointsLeft = left;
}

// The Inner Sphere area as "Delete MOS" and "Del Package" leave it, with the pool for a grant.
void restarted(Warrior& e, const Budget& before, int pool) {
  e.skillStage = kSkillStageNone;
  e.mosName1.clear();
  e.mosIndex1 = 0;
  e.packageIndex = 0;
  e.skillButtons[kPickMOSFOS] = e.skillButtons[kAddPackage] = true;
  e.skillsIS.clear();
  e.trainingIS = {};
  e.selectedSkillIS.clear();
  e.skillsBought = false;
  e.skillPoolIS = points(pool);
  e.selectedLevelChoiceIS = -1;
  e.skillListIS = before.wholeCatalogue;
}

struct ResetCase {
  const char* name;
  std::function<void(Budget&)> before;
  Pool pool;
  int level;
  std::deque<bool> answers;
  std::vector<std::string> said;
  // What the change makes of the warrior before; empty when it must change nothing.
  std::function<void(Warrior&, const Budget&)> after;
};

const ResetCase kResetCases[] = {
    {"BoughtLevelsStayPaidForUnderALowerGrant",
     [](Budget& b) { b.level(kSkills, 2), b.buy("Blade"); }, kSkills, 1, {}, {},
     [](Warrior& e, auto&) { moved(e, kSkills, 1, "12", "9"), e.skillPoolIS = points(11); }},
    {"BoughtLevelsStayPaidForUnderAHigherGrant",
     [](Budget& b) { b.level(kSkills, 2), b.buy("Blade"), b.buy("Blade"); }, kSkills, 3, {}, {},
     [](Warrior& e, auto&) { moved(e, kSkills, 3, "20", "7"), e.skillPoolIS = points(17); }},
    {"NothingBoughtFillsThePoolFromTheNewGrant", [](Budget& b) { b.level(kSkills, 2); }, kSkills,
     0, {}, {},
     [](Warrior& e, auto&) { moved(e, kSkills, 0, "8", "10"), e.skillPoolIS = points(8); }},
    {"TooFewPointsPutsTheLevelBackUp",
     [](Budget& b) {
       b.level(kSkills, 1);
       for (int i = 0; i < 4; ++i) b.buy("Blade");  // 10 of 12 points
     },
     kSkills, 0, {}, {kSkillsNotCovered}, nullptr},
    {"ASpecialityMakesTheSkillsPriorityAskAndYesStartsOver",
     [](Budget& b) { b.level(kSkills, 2), b.speciality(); }, kSkills, 3, {true},
     {kClanPackageResetQuestion},
     [](Warrior& e, const Budget& b) {
       moved(e, kSkills, 3, "20", "7"), restarted(e, b, 20);
       e.skillButtons[kChangeMOS] = false;
       e.currentActivity.clear();
     }},
    {"ASpecialityAndNoChangesNothing", [](Budget& b) { b.level(kSkills, 2), b.speciality(); },
     kSkills, 1, {false}, {kClanPackageResetQuestion}, nullptr},
    {"APackageMakesTheSkillsPriorityAskAndYesStartsOver",
     [](Budget& b) {
       b.level(kSkills, 2);
       b.prompter.packageAnswers = {1};
       addPackage(b.ctx);
     },
     kSkills, 1, {true}, {kClanPackageResetQuestion},
     [](Warrior& e, const Budget& b) {
       moved(e, kSkills, 1, "12", "9"), restarted(e, b, 12);
       e.skillButtons[kDelPackage] = false;
     }},
    {"AClanPackageAndNoChangesNothing",
     [](Budget& b) {
       b.level(kRace, 3), b.level(kSkills, 2);
       b.prompter.yesNoAnswers = {true};
       addClanPackage(b.ctx);
     },
     kSkills, 3, {false}, {kClanPackageResetQuestion}, nullptr},
    {"AdvantagesAndNoChangesNothing",
     [](Budget& b) { b.level(kAdvantages, 2), b.advantage("Title"); }, kAdvantages, 3, {false},
     {kAdvantagesResetQuestion}, nullptr},
    {"AdvantagesGoWithTheirMoneyAndEdge",
     [](Budget& b) {
       b.level(kAdvantages, 3);
       for (const char* name : {"Wealth", "Extra Edge", "Well-Equipped"}) b.advantage(name);
     },
     kAdvantages, 1, {true}, {kAdvantagesResetQuestion},
     [](Warrior& e, auto&) {
       moved(e, kAdvantages, 1, "1", "9");
       e.advantages.clear();
       e.advantagePoints = "1";
       e.cBills = 200, e.cBillsText = "200", e.equipmentCBills = 500, e.equipmentCBillsText = "500";
       e.edge = "1", e.extraEdgeBought = 0;
     }},
    {"AnExceptionalScoreGoesWithItsAdvantage",
     [](Budget& b) {
       b.level(kAttributes, 4), b.level(kAdvantages, 2);
       b.prompter.yesNoAnswers = {true};
       for (int i = 0; i < 6; ++i) raiseAttribute(b.ctx, kCHA);
     },
     kAdvantages, 1, {true}, {kAdvantagesResetQuestion},
     [](Warrior& e, auto&) {
       moved(e, kAdvantages, 1, "1", "5");
       e.advantages.clear();
       e.advantagePoints = "1";
       e.attributeScore[kCHA] = "6";
       updateTotalPts(e), updateCharacteristics(e);
     }},
    {"NothingToLoseAsksNothing", [](Budget& b) { b.level(kAdvantages, 2); }, kAdvantages, 1, {},
     {}, [](Warrior& e, auto&) { moved(e, kAdvantages, 1, "1", "9"), e.advantagePoints = "1"; }},
};

void PrintTo(const ResetCase& c, std::ostream* os) { *os << c.name; }

class PriorityResets : public ::testing::TestWithParam<ResetCase> {};
}  // namespace

TEST_P(PriorityResets, TheWarriorAfterTheChange) {
  const ResetCase& c = GetParam();
  Budget b;
  c.before(b);
  ASSERT_TRUE(b.prompter.yesNoAnswers.empty());
  Warrior expected = b.w;
  if (c.after) c.after(expected, b);
  b.prompter.clear();
  b.prompter.yesNoAnswers = c.answers;
  b.level(c.pool, c.level);
  EXPECT_EQ(b.prompter.texts(), c.said);
  EXPECT_EQ(b.w, expected);
}

INSTANTIATE_TEST_SUITE_P(, PriorityResets, ::testing::ValuesIn(kResetCases),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {
// A player who answers at random, and whose pickers take only what the dialogs would allow.
class RandomPlayer : public test::FakePrompter {
 public:
  std::mt19937 random;
  int below(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }
  template <class List>
  const auto& any(const List& list) { return list[below(list.size())]; }

  bool askYesNo(const std::string&, MessageIcon) override { return below(2) == 0; }
  std::optional<std::string> pickSkill(const std::vector<std::string>& names) override {
    return names.empty() ? std::nullopt : std::optional(any(names));
  }
  std::optional<SpecialityChoice> pickSpeciality(const std::vector<Speciality>&,
                                                 int pool) override {
    SpecialityChoice choice = kMechWarrior;
    choice.packageName = std::string(any(packageTypes()).name);
    return findPackageType(choice.packageName)->cost > pool ? std::nullopt : std::optional(choice);
  }
  std::optional<int> pickPackage(const std::vector<SkillPackage>& packages, int pool) override {
    const int row = below(packages.size());
    return packages[row].cost > pool ? std::nullopt : std::optional(row + 1);
  }
};

std::int64_t levelsHeld(const std::vector<SkillEntry>& skills) {
  std::int64_t levels = 0;
  for (const auto& s : skills) levels += skillLevel(s);
  return levels;
}
std::int64_t choicesWorth(const Warrior& w) {
  std::int64_t worth = 0;
  for (auto v : findPackageType(w.packageName)->levels) worth += v;
  return worth;
}

// The points the area in front has been paid with, at least.
std::int64_t committed(const Warrior& w, const std::vector<SkillPackage>& packages) {
  if (w.isClan) return w.clanDelPackageEnabled ? 12 : skillPointsSpent(w.skillsClan);
  if (packageTaken(w)) return packages[w.packageIndex - 1].cost;
  if (!specialityTaken(w)) return skillPointsSpent(w.skillsIS);
  // The level choices were worth what they handed out; what they did not cover was charged.
  return findPackageType(w.packageName)->cost - choicesWorth(w) + levelsHeld(w.skillsIS);
}

std::int64_t moneyGiven(const Warrior& w) {
  constexpr std::int64_t wealth[] = {0, 4800, 49800, 499800}, equipped[] = {0, 500, 4500, 24500};
  return 700 + wealth[w.getAdvLvl("Wealth")] + equipped[w.getAdvLvl("Well-Equipped")];
}
}  // namespace

// Removing levels is left out where training is held: a trained level refunds at the price of a
// bought one.
TEST(PriorityBudgetProperty, NoSequenceSpendsMoreThanThePrioritiesGrant) {
  const std::vector<SkillPackage> packages = loadPackages(DRAKKENFOLD_DATA "/ispack.dat").packages;
  const std::vector<std::string>& advantages = advantageCatalogue();
  for (unsigned seed = 1; seed <= 150; ++seed) {
    Playing<RandomPlayer> b;
    RandomPlayer& player = b.prompter;
    player.random.seed(seed);
    Warrior& w = b.w;
    RuleContext& ctx = b.ctx;
    std::string steps;
    for (int step = 0; step < 60; ++step) {
      const int op = player.below(12);
      steps += std::to_string(op) + ' ';
      switch (op) {
        case 0: case 1: case 2:
          b.level(static_cast<Pool>(1 + player.below(4)), player.below(5));
          break;
        case 3:
          clickSkillPoolIS(w, player.below(8));
          clickSkillList(w, SkillArea::InnerSphere, player.any(b.wholeCatalogue).name);
          addSkillPointIS(ctx);
          break;
        case 4:
          if (!w.skillsIS.empty() && !specialityTaken(w) && !packageTaken(w)) {
            clickOwnedSkill(w, SkillArea::InnerSphere, w.skillsIS[0].name);
            removeSkillPoint(ctx, SkillArea::InnerSphere);
          }
          break;
        // The window offers only the buttons that are open.
        case 5: if (w.skillButtons[kPickMOSFOS]) pickMOS(ctx); break;
        case 6: if (w.skillButtons[kAddPackage]) addPackage(ctx); break;
        case 7:
          if (w.skillButtons[kChangeMOS]) removeMOS(ctx);
          if (w.skillButtons[kDelPackage]) removePackage(ctx);
          break;
        case 8: b.advantage(player.any(advantages)); break;
        case 9: resetAdvantages(ctx); break;
        case 10: raiseAttribute(ctx, static_cast<Attribute>(player.below(5))); break;
        case 11: transferEquipmentCBills(ctx); break;
      }
      const std::string where = "seed " + std::to_string(seed) + ", steps " + steps;
      for (int p = kAttributes; p < kPoolCount; ++p)
        ASSERT_EQ(w.priorityEcho[p], toText(w.priorityLevel[p])) << where;
      ASSERT_EQ(integerPart(w.pointsLeft), 10 - priorityPointsSpent(w)) << where;
      ASSERT_LE(std::int64_t{w.cBills} + w.equipmentCBills + w.assetWorth, moneyGiven(w)) << where;
      ASSERT_LE(integerPart(w.edge), 1 + w.getAdvLvl("Extra Edge")) << where;
      if (!w.haveAdv(kExceptionalAttribute)) {
        for (const auto& score : w.attributeScore) ASSERT_LE(integerPart(score), 6) << where;
      }
      const std::int64_t pool = skillPoolTotal(w.isClan ? w.skillPoolClan : w.skillPoolIS);
      if (w.skillStage == kSkillStagePickingMos) {
        // While a speciality is picked the pool holds the level choices not yet handed out.
        ASSERT_LE(pool + levelsHeld(w.skillsIS), choicesWorth(w)) << where;
      } else {
        ASSERT_LE(pool + committed(w, packages), skillPointsGranted(w)) << where;
      }
    }
  }
}
