// A priority change never hands out what the warrior already has: bought levels, a speciality's
// or a package's training and the advantages with their effects stay paid for, and a No to a
// reset question leaves bar, echo, grant and points left in agreement.
#include <gtest/gtest.h>

#include <functional>

#include "FakePrompter.h"
#include "TestPaths.h"
#include "core/budget/Priorities.h"
#include "core/catalogue/PackageTypes.h"
#include "core/character/Attributes.h"
#include "core/character/Characteristics.h"
#include "core/files/PackageFile.h"
#include "core/gear/Advantages.h"
#include "core/gear/Money.h"
#include "core/skills/ClanPackages.h"
#include "core/skills/SkillAreas.h"
#include "core/skills/SkillPackages.h"
#include "core/skills/SpecialityPicking.h"
#include "core/util/Numeric.h"

namespace dk {
// Enough of a warrior to see what went wrong.
void PrintTo(const Warrior& w, std::ostream* os) {
  *os << "levels";
  for (int p = 0; p < kPoolCount; ++p) *os << ' ' << w.priorityLevel[p] << '/' << w.priorityEcho[p];
  *os << " skills grant " << w.priorityGrant[kSkills] << ", points left " << w.pointsLeft
      << ", pools " << w.innerSphere().pool.size() << '/' << w.clan().pool.size() << ", skills "
      << w.innerSphere().skills.size() << '/' << w.clan().skills.size() << ", stage "
      << w.skillStage << ", advantages " << w.advantages.size() << " (" << w.advantagePoints
      << "), C-Bills " << w.cBills << '/' << w.equipmentCBills << ", Edge " << w.edge;
}
}  // namespace dk

using namespace dk;

namespace {
const SpecialityChoice kMechWarrior{
    "MechWarrior",      1, "", 0, "Basic Academy Package", {"Gunnery/BattleMech", "Tactics"},
    {"Tech/BattleMech"}};
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
    wholeCatalogue = w.innerSphere().list;
  }
  void level(Pool pool, int level) { setPriorityLevel(ctx, pool, level); }
  void buy(const std::string& skill, SkillArea area = SkillArea::InnerSphere) {
    clickSkillList(w, area, skill);
    addSkillPoint(ctx, area);
  }
  void advantage(const std::string& name) {
    w.selections.advantage = name;
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
  e.innerSphere().skills.clear();
  e.innerSphere().training = {};
  e.selections.owned(SkillArea::InnerSphere).clear();
  e.skillsBought = false;
  e.innerSphere().pool = points(pool);
  e.selections.levelChoice = -1;
  e.innerSphere().list = before.wholeCatalogue;
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

// clang-format off
const ResetCase kResetCases[] = {
    {"BoughtLevelsStayPaidForUnderALowerGrant",
     [](Budget& b) { b.level(kSkills, 2), b.buy("Blade"); }, kSkills, 1, {}, {},
     [](Warrior& e, auto&) { moved(e, kSkills, 1, "12", "9"), e.innerSphere().pool = points(11); }},
    {"BoughtLevelsStayPaidForUnderAHigherGrant",
     [](Budget& b) { b.level(kSkills, 2), b.buy("Blade"), b.buy("Blade"); }, kSkills, 3, {}, {},
     [](Warrior& e, auto&) { moved(e, kSkills, 3, "20", "7"), e.innerSphere().pool = points(17); }},
    {"NothingBoughtFillsThePoolFromTheNewGrant", [](Budget& b) { b.level(kSkills, 2); }, kSkills,
     0, {}, {},
     [](Warrior& e, auto&) { moved(e, kSkills, 0, "8", "10"), e.innerSphere().pool = points(8); }},
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
// clang-format on

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
