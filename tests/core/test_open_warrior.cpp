// A warrior read from a file, brought into its new window from a warrior window or the frame.
#include <gtest/gtest.h>

#include "FakePrompter.h"
#include "app/OpenWarrior.h"
#include "budget/Priorities.h"

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

#include <cstdio>
#include <fstream>

namespace {
std::string writeTemp(const std::string& name, const std::string& bytes) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}
}  // namespace

TEST(OpenWarrior, AFileThatCannotBeOpenedIsReportedAndTakesNoSlot) {
  AppState app;
  test::FakePrompter prompter;
  const std::string old = writeTemp("dk-old.war", "Version 1\r\nKai\r\n");
  EXPECT_FALSE(openWarrior(old, OpenedFrom::MainFrame, app, prompter));
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{kWrongVersionMessage});
  EXPECT_TRUE(app.firstWindowPending());

  prompter.clear();
  const std::string cut = writeTemp("dk-cut.war", "Version 2\r\nKai\r\nCaptain\r\n");
  EXPECT_FALSE(openWarrior(cut, OpenedFrom::WarriorWindow, app, prompter));
  ASSERT_EQ(prompter.log.size(), 1u);
  EXPECT_NE(prompter.log[0].text.find(cut), std::string::npos);
  EXPECT_NE(prompter.log[0].text.find("line 4"), std::string::npos) << prompter.log[0].text;
  EXPECT_TRUE(app.firstWindowPending());
  std::remove(old.c_str());
  std::remove(cut.c_str());
}

TEST(OpenWarrior, AGoodFileGetsTheNextSlotAndItsRecord) {
  AppState app;
  test::FakePrompter prompter;
  const std::string path = std::string(DRAKKENFOLD_FIXTURES) + "/full_warrior.war";
  auto first = openWarrior(path, OpenedFrom::WarriorWindow, app, prompter);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->grant.slot, 1);
  EXPECT_TRUE(first->grant.firstWindow);
  EXPECT_EQ(first->warrior.name, "Kai, the Second");
  EXPECT_EQ(first->warrior.filePath, path);
  EXPECT_EQ(first->warrior.priorityLevel[kSkills], 4);
  auto second = openWarrior(path, OpenedFrom::MainFrame, app, prompter);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->grant.slot, 2);
  EXPECT_EQ(second->warrior.priorityLevel[kSkills], 0);
  EXPECT_EQ(second->warrior.priorityEcho[kSkills], "4");
  EXPECT_TRUE(prompter.log.empty());
}
