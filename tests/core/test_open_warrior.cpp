// A warrior read from a file, brought into its new window from a warrior window or the frame.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "FakePrompter.h"
#include "TestPaths.h"
#include "core/app/OpenWarrior.h"
#include "core/budget/Priorities.h"
#include "core/gear/Money.h"

// The stored warrior is a designated initializer: the fields left out keep their defaults, which
// is what GCC warns of.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace dk;

namespace {
using Levels = std::array<std::int16_t, kPoolCount>;

OpenedWarrior storedWarrior(Levels levels) {
  return {{.name = "Kai",
           .priorityGrant = {"Clan Pilot", "24", "16", "1", "Assault"},
           .pointsLeft = "2",
           .attributeScore = {"3", "4", "2", "2", "1"},
           .freeAttributePoints = "10",
           .isClan = true,
           .advantagePoints = "0",
           .advantages = {{"Title", "1"}},
           .filePath = "/tmp/kai.war"},
          levels};
}

std::string writeTemp(const std::string& name, const std::string& bytes) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

struct OpenWarrior : ::testing::Test {
  AppState app;
  test::FakePrompter prompter;
  std::vector<std::string> skipped;
  std::optional<WarriorToShow> openWarrior(const std::string& path) {
    return openArrival(*arrivalFromFile(path), app, prompter, skipped);
  }
};
}  // namespace

TEST_F(OpenWarrior, TheWarriorAgreesWithItselfAfterOpen) {
  auto opened = storedWarrior({3, 2, 2, 1, 0});
  opened.warrior.clan().skills = {{"Gunnery/Battle Armor", "3", "5"}};
  opened.warrior.raceModsRemovable = true;
  opened.warrior.cBills = 2700;
  opened.warrior.equipmentCBills = 0;
  opened.warrior.cBillsText = "2700";
  opened.warrior.equipmentCBillsText = "0";
  const Warrior w = warriorFromFile(opened, app, prompter);
  EXPECT_TRUE(prompter.log.empty());
  EXPECT_EQ(w.priorityLevel, (Levels{3, 2, 2, 1, 0}));
  EXPECT_EQ(w.priorityEcho, (std::array<std::string, 5>{"3", "2", "2", "1", "0"}));
  // Eight points spent of ten: each bar can rise by two, never past 4.
  EXPECT_EQ(w.priorityBound, (Levels{4, 4, 4, 3, 2}));
  EXPECT_FALSE(w.vehicleTypeEnabled);
  // The clan pool holds the grant of 16 less the 6 points level 3 cost.
  EXPECT_EQ(w.clan().pool.size(), 10u);
  EXPECT_EQ(w.innerSphere().pool.size(), 16u);
  EXPECT_TRUE(w.cBillsTransferred);
  EXPECT_EQ(gearPurseText(w), "2700");
  EXPECT_TRUE(w.attributesTouched);
  EXPECT_EQ(w.raceModsRace, "Clan Pilot");
  // The free points are the grant less the bought scores: the Pilot's modifiers (BLD -1, REF +2,
  // INT +1) count neither way.
  EXPECT_EQ(w.freeAttributePoints, "13");
  // Everything else is the file's.
  EXPECT_EQ(w.pointsLeft, "2");
  EXPECT_EQ(w.priorityGrant[kRace], "Clan Pilot");
  EXPECT_EQ(w.name, "Kai");
  EXPECT_EQ(w.filePath, "/tmp/kai.war");
}

TEST_F(OpenWarrior, ATrainingPackageCountsItsPriceNotItsLevels) {
  app.dataFolder = DRAKKENFOLD_DATA;
  auto opened = storedWarrior({0, 2, 2, 1, 0});
  Warrior& stored = opened.warrior;
  stored.isClan = false;
  stored.priorityGrant[kRace] = "Human";
  // Street Survivor costs 6; Streetwise was raised from its 2 to 3 for 3 more points.
  stored.packageIndex = 1;
  stored.innerSphere().skills = {{"Streetwise", "3", ""},
                                 {"Sleight of Hand", "1", ""},
                                 {"Lockpicking", "1", ""},
                                 {"Fast Talk", "1", ""},
                                 {"Escape Artist", "1", ""}};
  EXPECT_EQ(warriorFromFile(opened, app, prompter).innerSphere().pool.size(), 16u - 9u);
  // Without the package file its price cannot be told: nothing is left to spend and every level
  // counts as trained, so no removal refunds a point the package may have cost.
  app.dataFolder = "/nonexistent";
  EXPECT_TRUE(warriorFromFile(opened, app, prompter).innerSphere().pool.empty());
}

TEST_F(OpenWarrior, TheSharedMaximumDecidesTheBounds) {
  app.priorityMaximum = 20;
  const Warrior w = warriorFromFile(storedWarrior({4, 4, 4, 4, 4}), app, prompter);
  EXPECT_EQ(w.priorityBound, (Levels{4, 4, 4, 4, 4}));
  EXPECT_EQ(w.priorityLevel, (Levels{4, 4, 4, 4, 4}));
}

TEST_F(OpenWarrior, AFileThatCannotBeOpenedIsReportedAndTakesNoSlot) {
  const std::string old = writeTemp("dk-old.war", "Version 1\r\nKai\r\n");
  EXPECT_FALSE(openWarrior(old));
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{kWrongVersionMessage});
  EXPECT_TRUE(app.firstWindowPending());

  prompter.clear();
  const std::string cut = writeTemp("dk-cut.war", "Version 2\r\nKai\r\nCaptain\r\n");
  EXPECT_FALSE(openWarrior(cut));
  ASSERT_EQ(prompter.log.size(), 1u);
  EXPECT_NE(prompter.log[0].text.find(cut), std::string::npos);
  EXPECT_NE(prompter.log[0].text.find("line 4"), std::string::npos) << prompter.log[0].text;
  EXPECT_TRUE(app.firstWindowPending());
  // A kept copy that does not read is named for one message later, and told nothing now.
  prompter.clear();
  EXPECT_FALSE(
      openArrival({"Version 2\r\n", "/home/kai.war", "/kept/1.war"}, app, prompter, skipped));
  EXPECT_EQ(skipped, std::vector<std::string>{"/kept/1.war"});
  EXPECT_TRUE(prompter.log.empty());
  EXPECT_FALSE(arrivalFromFile("/nonexistent/kai.war"));
  std::remove(old.c_str());
  std::remove(cut.c_str());
}

TEST_F(OpenWarrior, AGoodFileGetsTheNextSlotAndItsRecord) {
  const std::string path = std::string(DRAKKENFOLD_FIXTURES) + "/full_warrior.war";
  auto first = openWarrior(path);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->grant.slot, 1);
  EXPECT_TRUE(first->grant.firstWindow);
  EXPECT_EQ(first->warrior.name, "Kai, the Second");
  EXPECT_EQ(first->warrior.filePath, path);
  EXPECT_EQ(first->warrior.priorityLevel[kSkills], 4);
  auto second = openWarrior(path);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->grant.slot, 2);
  EXPECT_EQ(second->warrior, first->warrior);
  EXPECT_FALSE(second->unsaved);
  EXPECT_TRUE(prompter.log.empty());
}
