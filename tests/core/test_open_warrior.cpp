// A warrior read from a file, brought into its new window from a warrior window or the frame.
#include <gtest/gtest.h>

#include "FakePrompter.h"
#include "files/OpenWarrior.h"
#include "model/Priorities.h"

using namespace dk;

namespace {
OpenedWarrior storedWarrior(std::array<std::int16_t, kPoolCount> levels) {
  OpenedWarrior o;
  o.levels = levels;
  o.warrior.name = "Kai";
  o.warrior.pointsLeft = "2";
  o.warrior.priorityGrant = {"Clan Pilot", "24", "16", "1", "Assault"};
  o.warrior.attributeScore = {"3", "4", "2", "2", "1"};
  o.warrior.freeAttributePoints = "10";
  o.warrior.advantagePoints = "0";
  o.warrior.advantages = {{"Title", "1"}};
  o.warrior.isClan = true;
  o.warrior.filePath = "/tmp/kai.war";
  return o;
}
}  // namespace

TEST(OpenWarrior, FromAWarriorWindowTheLevelsGoThroughThePriorityRules) {
  AppState app;
  test::FakePrompter prompter;
  const auto opened = storedWarrior({3, 2, 2, 1, 0});
  const Warrior w = warriorFromFile(opened, OpenedFrom::WarriorWindow, app, prompter);
  EXPECT_TRUE(prompter.log.empty());  // a new warrior has nothing to refuse or reset
  EXPECT_EQ(w.priorityLevel, (std::array<std::int16_t, 5>{3, 2, 2, 1, 0}));
  EXPECT_EQ(w.priorityEcho, (std::array<std::string, 5>{"3", "2", "2", "1", "0"}));
  // Eight points spent of ten: each bar can rise by two, never past 4.
  EXPECT_EQ(w.priorityBound, (std::array<std::int16_t, 5>{4, 4, 4, 3, 2}));
  // The race came first, so the skills grant filled the clan pool.
  EXPECT_EQ(w.skillPoolClan.size(), 16u);
  EXPECT_TRUE(w.skillPoolIS.empty());
  // Everything the file carries wins over what the rules wrote on the way.
  EXPECT_EQ(w.pointsLeft, "2");
  EXPECT_EQ(w.priorityGrant[kRace], "Clan Pilot");
  EXPECT_EQ(w.attributeScore[kBLD], "3");
  EXPECT_EQ(w.freeAttributePoints, "10");
  EXPECT_EQ(w.advantagePoints, "0");
  ASSERT_EQ(w.advantages.size(), 1u);
  EXPECT_EQ(w.name, "Kai");
  EXPECT_EQ(w.filePath, "/tmp/kai.war");
}

TEST(OpenWarrior, FromTheFrameOnlyTheLevelTextsShowTheStoredLevels) {
  AppState app;
  test::FakePrompter prompter;
  const Warrior w =
      warriorFromFile(storedWarrior({3, 2, 2, 1, 4}), OpenedFrom::MainFrame, app, prompter);
  EXPECT_EQ(w.priorityLevel, (std::array<std::int16_t, 5>{0, 0, 0, 0, 0}));
  EXPECT_EQ(w.priorityEcho, (std::array<std::string, 5>{"3", "2", "2", "1", "4"}));
  EXPECT_EQ(w.priorityBound, (std::array<std::int16_t, 5>{4, 4, 4, 4, 4}));
  EXPECT_TRUE(w.skillPoolIS.empty() && w.skillPoolClan.empty());
  EXPECT_EQ(w.pointsLeft, "2");
  EXPECT_TRUE(prompter.log.empty());
}

TEST(OpenWarrior, LevelsOpenedFromTheFrameAreNotLostBySaving) {
  AppState app;
  test::FakePrompter prompter;
  Warrior w = warriorFromFile(storedWarrior({3, 2, 2, 1, 4}), OpenedFrom::MainFrame, app, prompter);
  EXPECT_EQ(w.savedLevel(kRace), 3);
  EXPECT_EQ(w.savedLevel(kBattleMech), 4);
  // Once a bar is moved, its own level counts.
  RuleContext ctx{w, app, prompter};
  setPriorityLevel(ctx, kBattleMech, 1);
  EXPECT_EQ(w.savedLevel(kBattleMech), 1);
  EXPECT_EQ(w.savedLevel(kRace), 3);
}

TEST(OpenWarrior, TheSharedMaximumDecidesThePointsLeftOnTheWay) {
  AppState app;
  app.priorityMaximum = 20;
  test::FakePrompter prompter;
  const Warrior w =
      warriorFromFile(storedWarrior({4, 4, 4, 4, 4}), OpenedFrom::WarriorWindow, app, prompter);
  EXPECT_EQ(w.priorityBound, (std::array<std::int16_t, 5>{4, 4, 4, 4, 4}));
  EXPECT_EQ(w.priorityLevel, (std::array<std::int16_t, 5>{4, 4, 4, 4, 4}));
}
