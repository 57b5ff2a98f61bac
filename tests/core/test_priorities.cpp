// The priority budget: the budget rule, the re-entrant change procedures and the gamemaster's
// maximum.
#include <gtest/gtest.h>

#include "FakePrompter.h"
#include "core/budget/Priorities.h"
#include "core/character/Attributes.h"
#include "core/skills/SkillAreas.h"

using namespace dk;
using dk::test::FakePrompter;

namespace {
using Texts = std::vector<std::string>;
using Bounds = std::array<std::int16_t, kPoolCount>;

struct PriorityTest : ::testing::Test {
  Warrior w;
  SharedState app;
  FakePrompter prompter;
  RuleContext ctx{w, app, prompter};

  void levels(int att, int skl, int adv) {
    setPriorityLevel(ctx, kAttributes, att);
    setPriorityLevel(ctx, kSkills, skl);
    setPriorityLevel(ctx, kAdvantages, adv);
    prompter.clear();
  }
};
}  // namespace

TEST(PriorityCosts, WeightedSumAndSkillPointsNeverWrap) {
  Warrior w;
  w.attributeScore = {"2", "3", "4", "5.9", "6"};  // INT counts twice, fractions dropped
  EXPECT_EQ(weightedAttributeSum(w), 2 + 3 + 8 + 5 + 6);
  w.attributeScore.fill("99999");  // 16-bit scores
  EXPECT_EQ(weightedAttributeSum(w), 6 * 32767);
  EXPECT_EQ(skillPointsSpent({{"Blade", "4", ""}, {"Gunnery", "2", ""}}), 10 + 3);
}

TEST_F(PriorityTest, BudgetBoundsAndBars) {
  setPriorityLevel(ctx, kAttributes, 4);
  EXPECT_EQ(w.pointsLeft, "6");
  EXPECT_EQ(w.priorityBound, (Bounds{4, 4, 4, 4, 4}));
  levels(4, 4, 2);
  EXPECT_EQ(w.pointsLeft, "0");
  EXPECT_EQ(w.priorityBound, (Bounds{0, 4, 4, 2, 0}));  // nothing rises, everything can fall

  // A maximum below the points spent: raw bounds below the levels, bars still reach the level.
  app.priorityMaximum = 7;
  setPriorityLevel(ctx, kBattleMech, 1);
  EXPECT_EQ(w.pointsLeft, "-4");
  EXPECT_EQ(w.priorityBound, (Bounds{-4, 0, 0, -2, -3}));
  EXPECT_EQ(priorityBarMaximum(w, kRace), 0);
  EXPECT_EQ(priorityBarMaximum(w, kAttributes), 4);
  EXPECT_EQ(priorityBarMaximum(w, kBattleMech), 1);
}

TEST_F(PriorityTest, FreeAttributePointsShowTheWholeGrantUntilTheFirstRaise) {
  setPriorityLevel(ctx, kAttributes, 2);
  EXPECT_EQ(w.freeAttributePoints, "24");
  w.attributesTouched = true;
  w.attributeScore[kBLD] = "3";
  setPriorityLevel(ctx, kAttributes, 1);
  EXPECT_EQ(w.freeAttributePoints, "13");  // 21 - 8
}

TEST_F(PriorityTest, TooFewAttributePointsMovesTheLevelBackStepByStep) {
  w.attributeScore = {"6", "6", "3", "1", "1"};  // weighted sum 20
  setPriorityLevel(ctx, kAttributes, 1);
  setPriorityLevel(ctx, kAttributes, 0);
  EXPECT_EQ(prompter.texts(), Texts{kAttributesNotCovered});
  EXPECT_EQ(w.priorityLevel[kAttributes], 1);
  EXPECT_EQ(w.priorityEcho[kAttributes], "1");
  EXPECT_EQ(w.priorityGrant[kAttributes], "21");

  w.attributeScore = {"6", "6", "4", "4", "1"};  // 25
  levels(4, 0, 0);
  setPriorityLevel(ctx, kAttributes, 0);  // refused at 0, 1 and 2
  EXPECT_EQ(prompter.texts(), Texts(3, kAttributesNotCovered));
  EXPECT_EQ(w.priorityLevel[kAttributes], 3);
  EXPECT_EQ(w.priorityEcho[kAttributes], "3");
  EXPECT_EQ(w.priorityGrant[kAttributes], "27");
  EXPECT_EQ(w.pointsLeft, "7");

  // Scores past what any level grants: back up to 4, one message of our own, no further.
  w.attributesTouched = true;
  w.attributeScore = {"8", "6", "6", "6", "1"};  // 33
  prompter.clear();
  setPriorityLevel(ctx, kAttributes, 2);
  EXPECT_EQ(prompter.texts(),
            (Texts{kAttributesNotCovered, kAttributesNotCovered, kAttributesBeyondHighestLevel}));
  EXPECT_EQ(w.priorityLevel[kAttributes], 4);
  EXPECT_EQ(w.freeAttributePoints, "-3");
}

TEST_F(PriorityTest, SkillPoolIsRefilledWhileNothingIsBought) {
  setPriorityLevel(ctx, kSkills, 1);
  setPriorityLevel(ctx, kSkills, 0);
  EXPECT_EQ(w.innerSphere().pool, std::vector<std::int16_t>(8, 1));
  w.isClan = true;
  setPriorityLevel(ctx, kSkills, 1);
  EXPECT_EQ(w.clan().pool.size(), 12u);
  EXPECT_EQ(w.innerSphere().pool.size(), 8u);
}

TEST_F(PriorityTest, TooFewSkillPointsMovesTheLevelBack) {
  levels(0, 1, 0);
  w.innerSphere().skills = {{"Blade", "4", ""}};  // 10 points
  w.skillsBought = true;
  w.innerSphere().pool = {1, 1};
  setPriorityLevel(ctx, kSkills, 0);
  EXPECT_EQ(prompter.texts(), Texts{kSkillsNotCovered});
  EXPECT_EQ(w.priorityLevel[kSkills], 1);
  EXPECT_EQ(w.priorityGrant[kSkills], "12");
  EXPECT_EQ(w.innerSphere().pool.size(), 2u);  // bought skills keep their pool

  w.innerSphere().skills = {{"Blade", "7", ""}};  // 28 points: even level 4 is too little
  prompter.clear();
  setPriorityLevel(ctx, kSkills, 2);
  EXPECT_EQ(prompter.texts(),
            (Texts{kSkillsNotCovered, kSkillsNotCovered, kSkillsBeyondHighestLevel}));
  EXPECT_EQ(w.priorityLevel[kSkills], 4);
  EXPECT_EQ(w.priorityGrant[kSkills], "24");
  EXPECT_EQ(w.pointsLeft, "6");
}

TEST_F(PriorityTest, BattleMechLevelZeroLocksTheVehicleType) {
  w.vehicleType = "Atlas";
  setPriorityLevel(ctx, kBattleMech, 3);
  EXPECT_EQ(w.priorityGrant[kBattleMech], "Heavy");
  EXPECT_EQ(w.vehicleType, "Atlas");
  setPriorityLevel(ctx, kBattleMech, 0);
  EXPECT_EQ(w.vehicleType, "");
  EXPECT_FALSE(w.vehicleTypeEnabled);
  setPriorityLevel(ctx, kBattleMech, 9);  // clamped
  EXPECT_EQ(w.priorityGrant[kBattleMech], "Assault");
  EXPECT_TRUE(w.vehicleTypeEnabled);
}

TEST_F(PriorityTest, ModifyPriorityPointsTakesEffectAtTheNextChange) {
  levels(4, 4, 2);
  prompter.textAnswers = {std::string(" 15 ")};
  modifyPriorityPoints(ctx);
  EXPECT_EQ(w.pointsLeft, "15");
  EXPECT_EQ(app.priorityMaximum, 15);
  EXPECT_EQ(w.priorityBound, (Bounds{0, 4, 4, 2, 0}));  // not recomputed yet

  // A refused lowering comes back to the same levels and recomputes the budget.
  w.attributesTouched = true;
  w.attributeScore = {"6", "6", "6", "4", "0"};  // 28: more than level 3 grants
  setPriorityLevel(ctx, kAttributes, 3);
  EXPECT_EQ(w.pointsLeft, "5");
  EXPECT_EQ(w.priorityBound, (Bounds{4, 4, 4, 4, 4}));
}

TEST_F(PriorityTest, ModifyPriorityPointsRefusesUnsoundAnswers) {
  levels(4, 4, 2);
  for (const char* typed : {"", "twelve", "12.5", "100", "-3", "9"})
    prompter.textAnswers.push_back(std::string(typed));
  prompter.textAnswers.push_back(std::nullopt);
  for (int i = 0; i < 7; ++i) modifyPriorityPoints(ctx);
  const std::string ask = kPriorityMaximumPrompt;
  const std::string range = "Please enter a whole number from 10 to 99.";
  const std::string below =
      "The maximum cannot be less than the 10 priority points this warrior already uses.";
  EXPECT_EQ(prompter.texts(),
            (Texts{ask, ask, range, ask, range, ask, range, ask, range, ask, below, ask}));
  EXPECT_EQ(w.pointsLeft, "0");
  EXPECT_EQ(app.priorityMaximum, 10);
}
