// The clan training packages of the three castes, and how they meet the skills priority.
#include <gtest/gtest.h>

#include "FakePrompter.h"
#include "TestPaths.h"
#include "core/budget/Priorities.h"
#include "core/character/Race.h"
#include "core/files/SkillFile.h"
#include "core/skills/ClanPackages.h"
#include "core/skills/SkillAreas.h"

using namespace dk;
using dk::test::FakePrompter;

namespace {
using Texts = std::vector<std::string>;

struct ClanPackageTest : ::testing::Test {
  Warrior w;
  SharedState app;
  FakePrompter prompter;
  RuleContext ctx{w, app, prompter};

  ClanPackageTest() {
    app.skillCatalogue = *readSkillCatalogue((std::string(DRAKKENFOLD_DATA) + "/skills.dat"));
  }
  void caste(const std::string& race, int points, std::deque<bool> answers) {
    w = Warrior{};
    w.priorityGrant[kRace] = race;
    w.isClan = true;
    w.priorityGrant[kSkills] = std::to_string(points);
    w.clan().pool.assign(static_cast<std::size_t>(points), 1);
    prompter.clear();
    prompter.yesNoAnswers = std::move(answers);
  }
};
}  // namespace

TEST_F(ClanPackageTest, EachCasteGetsItsPackageAfterItsQuestions) {
  struct Case {
    const char* race;
    std::deque<bool> answers;
    Texts questions;
    const ClanPackage* package;
  };
  const Case cases[] = {
      {kClanElemental, {true}, {kClanElementalPackageQuestion}, &clanElementalPackage()},
      {kClanPilot, {true}, {kClanPilotPackageQuestion}, &clanPilotPackage()},
      {kClanDrakkenfold, {true}, {kPrimaryClanWarriorQuestion}, &primaryClanWarriorPackage()},
      {kClanDrakkenfold,
       {false, true},
       {kPrimaryClanWarriorQuestion, kSecondaryClanWarriorQuestion},
       &secondaryClanWarriorPackage()},
  };
  for (const Case& c : cases) {
    caste(c.race, 24, c.answers);
    addClanPackage(ctx);
    EXPECT_EQ(prompter.texts(), c.questions) << c.race;
    ASSERT_EQ(w.clan().skills.size(), c.package->skills.size()) << c.race;
    for (std::size_t i = 0; i < w.clan().skills.size(); ++i) {
      const std::string level = std::to_string(c.package->skills[i].level);
      // Every row shows a roll from its level and its class (every characteristic is 16 here).
      EXPECT_EQ(w.clan().skills[i], (SkillEntry{c.package->skills[i].name, level,
                                                std::to_string(16 - c.package->skills[i].level)}));
    }
    EXPECT_EQ(w.clan().pool.size(), 24u - static_cast<unsigned>(c.package->cost));
    EXPECT_TRUE(w.skillsBought && w.clanPackageTaken && w.clanDelPackageEnabled);
    EXPECT_FALSE(w.clanAddPackageEnabled);
  }
  caste(kClanPilot, 16, {true});  // exactly enough
  addClanPackage(ctx);
  EXPECT_TRUE(w.clan().pool.empty());
}

TEST_F(ClanPackageTest, TooFewPointsForThePrimaryPackageAsksNoSecondQuestion) {
  caste(kClanDrakkenfold, 16, {true});
  addClanPackage(ctx);
  EXPECT_EQ(prompter.texts(),
            (Texts{kPrimaryClanWarriorQuestion,
                   "You don't have enough points!  It takes 20 points to do this!"}));
  EXPECT_EQ(prompter.log[1].icon, MessageIcon::None);
  EXPECT_TRUE(w.clan().skills.empty());
  EXPECT_EQ(w.clan().pool.size(), 16u);
  EXPECT_FALSE(w.skillsBought || w.clanPackageTaken);

  prompter.yesNoAnswers = {false, true};  // No, then Yes: the secondary for 12 of the 16
  addClanPackage(ctx);
  EXPECT_EQ(w.clan().skills.size(), 9u);
  EXPECT_EQ(w.clan().pool.size(), 4u);
}

TEST_F(ClanPackageTest, NoHumanOrAListWithSkillsGetsNothing) {
  const auto nothingGranted = [&](std::size_t owned, std::size_t questions) {
    addClanPackage(ctx);
    EXPECT_EQ(w.clan().skills.size(), owned);
    EXPECT_EQ(w.clan().pool.size(), 24u);
    EXPECT_EQ(prompter.log.size(), questions);
    EXPECT_FALSE(w.clanPackageTaken);
  };
  caste(kClanElemental, 24, {false});
  nothingGranted(0, 1);
  caste(kHuman, 24, {});
  nothingGranted(0, 0);
  caste(kClanPilot, 24, {});
  w.clan().skills = {{"Tactics", "2", "14"}};  // an opened warrior: clan buttons open regardless
  nothingGranted(1, 0);
}

TEST_F(ClanPackageTest, DelPackageStartsTheAreaOverOnlyAfterYes) {
  caste(kClanPilot, 20, {true, false, true});
  w.priorityGrant[kSkills] = "20";
  addClanPackage(ctx);
  clickOwnedSkill(w, SkillArea::Clan, "Tactics");
  removeClanPackage(ctx);  // No
  EXPECT_EQ(w.clan().skills.size(), 6u);
  EXPECT_EQ(w.clan().pool.size(), 4u);
  removeClanPackage(ctx);  // Yes
  EXPECT_EQ(prompter.log.back().text, kDeleteClanPackageQuestion);
  EXPECT_TRUE(w.clan().skills.empty());
  EXPECT_EQ(w.selections.owned(SkillArea::Clan), "");
  EXPECT_EQ(w.clan().pool.size(), 20u);
  EXPECT_TRUE(w.clanAddPackageEnabled);
  EXPECT_FALSE(w.clanDelPackageEnabled || w.skillsBought || w.clanPackageTaken);
}

TEST_F(ClanPackageTest, APackageMakesTheSkillsPriorityAskToResetTheArea) {
  setPriorityLevel(ctx, kRace, 3);  // Clan Pilot
  setPriorityLevel(ctx, kSkills, 2);
  prompter.yesNoAnswers = {true, false, true};
  addClanPackage(ctx);
  clickOwnedSkill(w, SkillArea::Clan, "Medtech");
  setPriorityLevel(ctx, kSkills, 3);  // No: the level moves, nothing else
  EXPECT_EQ(w.clan().skills.size(), 6u);
  setPriorityLevel(ctx, kSkills, 4);  // Yes: the area starts over with the new grant
  EXPECT_EQ(prompter.texts(), (Texts{kClanPilotPackageQuestion, kClanPackageResetQuestion,
                                     kClanPackageResetQuestion}));
  EXPECT_TRUE(w.clan().skills.empty());
  EXPECT_EQ(w.selections.owned(SkillArea::Clan), "");
  EXPECT_EQ(w.clan().pool.size(), 24u);
  EXPECT_TRUE(clanPackageAvailable(w));
}
