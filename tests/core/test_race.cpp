// The race that follows from the race level, and the racial modifiers.
#include <gtest/gtest.h>

#include "FakePrompter.h"
#include "core/budget/Priorities.h"
#include "core/character/Race.h"
#include "core/model/DamageTrack.h"

using namespace dk;
using dk::test::FakePrompter;

namespace {
using Scores = std::array<std::string, 5>;

struct RaceTest : ::testing::Test {
  Warrior w;
  SharedState app;
  FakePrompter prompter;
  RuleContext ctx{w, app, prompter};
};
}  // namespace

TEST_F(RaceTest, RaceAndSkillAreaFollowTheLevel) {
  const std::array<const char*, 5> races{"Human", "Human", "Clan Drakkenfold", "Clan Pilot",
                                         "Clan Elemental"};
  for (int level : {1, 2, 3, 4, 0}) {
    setPriorityLevel(ctx, kRace, level);
    EXPECT_EQ(w.priorityGrant[kRace], races[level]);
    EXPECT_EQ(w.isClan, level >= 2);
  }
}

TEST_F(RaceTest, ElementalModifiersOnAndOff) {
  setPriorityLevel(ctx, kRace, 4);
  w.advantagePoints = "1";
  w.damageBoxes[1][5] = 1;
  addRaceMods(ctx);
  addRaceMods(ctx);  // already on: nothing doubles
  EXPECT_EQ(w.attributeScore, (Scores{"3", "2", "1", "1", "0"}));
  EXPECT_EQ(w.advantages, (std::vector<AdvantageEntry>{{"Toughness", "2"}}));
  EXPECT_EQ(w.advantagePoints, "1");  // the racial row is free
  EXPECT_EQ(damagePairsInUse(w), 3);
  EXPECT_EQ(w.thresholdHead + w.thresholdTorso + w.thresholdArm + w.thresholdLeg, "61899");
  EXPECT_EQ(w.characteristic[kAthletic], "13");
  EXPECT_EQ(w.freeAttributePoints, "18");  // not recomputed by the modifiers
  EXPECT_TRUE(w.raceModsRemovable && !w.raceModsAddable);

  removeRaceMods(ctx);
  removeRaceMods(ctx);  // already off
  EXPECT_EQ(w.attributeScore, (Scores{"1", "1", "1", "1", "1"}));
  EXPECT_TRUE(w.advantages.empty());
  EXPECT_EQ(damagePairsInUse(w), 1);
  EXPECT_EQ(w.damageBoxes[1][5], 1);  // hidden, not cleared
  EXPECT_EQ(w.thresholdHead + w.thresholdTorso + w.thresholdArm + w.thresholdLeg, "2633");
  EXPECT_TRUE(w.raceModsAddable && !w.raceModsRemovable);
}

TEST_F(RaceTest, RaceChangeTakesOffTheModifiersOfTheOldRace) {
  setPriorityLevel(ctx, kRace, 2);
  w.attributeScore = {"4", "5", "3", "2", "2"};
  addRaceMods(ctx);
  EXPECT_EQ(w.attributeScore, (Scores{"4", "6", "4", "2", "2"}));
  setPriorityLevel(ctx, kRace, 4);
  EXPECT_EQ(w.attributeScore, (Scores{"4", "5", "3", "2", "2"}));  // no Elemental mods yet
  EXPECT_TRUE(w.raceModsAddable && !w.raceModsRemovable);
  EXPECT_EQ(w.characteristic[kPhysical], "10");

  // Human mods change no score, neither on nor off.
  setPriorityLevel(ctx, kRace, 0);
  addRaceMods(ctx);
  EXPECT_TRUE(w.raceModsRemovable);
  setPriorityLevel(ctx, kRace, 4);
  EXPECT_EQ(w.attributeScore, (Scores{"4", "5", "3", "2", "2"}));
  EXPECT_TRUE(w.raceModsAddable);
}

TEST_F(RaceTest, BoughtSkillsAreResetOnlyWithConsent) {
  setPriorityLevel(ctx, kSkills, 1);
  w.innerSphere().skills = {{"Blade", "2", ""}};
  w.innerSphere().pool.assign(9, 1);
  w.skillsBought = true;
  w.skillButtons[kAddPackage] = false;
  w.skillButtons[kDelPackage] = true;
  prompter.yesNoAnswers = {false, true};
  setPriorityLevel(ctx, kRace, 2);
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{kSkillResetQuestion});
  EXPECT_EQ(w.priorityLevel[kRace], 0);  // No puts the bar back, and nothing else moved
  EXPECT_EQ(w.priorityEcho[kRace], "0");
  EXPECT_EQ(w.priorityGrant[kRace], "Human");
  EXPECT_EQ(w.pointsLeft, "9");
  EXPECT_EQ(w.innerSphere().skills.size(), 1u);

  setPriorityLevel(ctx, kRace, 3);
  EXPECT_TRUE(w.innerSphere().skills.empty());
  EXPECT_EQ(w.innerSphere().pool, std::vector<std::int16_t>(12, 1));
  // The clan area comes to the front with the whole skills grant.
  EXPECT_EQ(w.clan().pool, std::vector<std::int16_t>(12, 1));
  EXPECT_TRUE(w.skillButtons[kAddPackage]);
  EXPECT_FALSE(w.skillButtons[kDelPackage]);
  EXPECT_FALSE(w.skillsBought);
  EXPECT_EQ(w.priorityGrant[kRace], "Clan Pilot");
  EXPECT_EQ(w.pointsLeft, "6");
}
