// The clan training packages of the three castes, and how they meet the skills priority.
#include <gtest/gtest.h>

#include "FakePrompter.h"
#include "model/Priorities.h"
#include "model/Race.h"
#include "skills/ClanPackages.h"
#include "skills/SkillAreas.h"

using namespace dk;
using dk::test::FakePrompter;

namespace {
using Texts = std::vector<std::string>;

struct ClanPackageTest : ::testing::Test {
  Warrior w;
  AppState app;
  FakePrompter prompter;
  RuleContext ctx{w, app, prompter};

  ClanPackageTest() {
    app.skillCatalogue = readSkillCatalogue(DRAKKENFOLD_DATA "/skills.dat").catalogue;
  }
  void caste(const std::string& race, int points) {
    w.priorityGrant[kRace] = race;
    w.isClan = true;
    w.skillPoolClan.assign(static_cast<std::size_t>(points), 1);
  }
};
}  // namespace

TEST_F(ClanPackageTest, EachCasteGetsItsPackageAfterItsQuestion) {
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
    w = Warrior{};
    caste(c.race, 24);
    prompter.clear();
    prompter.yesNoAnswers = c.answers;
    addClanPackage(ctx);
    EXPECT_EQ(prompter.texts(), c.questions) << c.race;
    for (const auto& e : prompter.log) EXPECT_EQ(e.icon, MessageIcon::Question);
    ASSERT_EQ(w.skillsClan.size(), c.package->skills.size()) << c.race;
    for (std::size_t i = 0; i < w.skillsClan.size(); ++i) {
      const SkillEntry& row = w.skillsClan[i];
      EXPECT_EQ(row.name, c.package->skills[i].name);
      EXPECT_EQ(row.level, std::to_string(c.package->skills[i].level));
      // Every row shows a roll from its level and the characteristic of its class (all 16 here).
      EXPECT_EQ(row.roll, std::to_string(16 - c.package->skills[i].level)) << row.name;
    }
    EXPECT_EQ(w.skillPoolClan.size(), 24u - static_cast<unsigned>(c.package->cost));
    EXPECT_TRUE(w.skillsBought && w.clanPackageTaken && w.clanDelPackageEnabled);
    EXPECT_FALSE(w.clanAddPackageEnabled);
    EXPECT_TRUE(w.skillsIS.empty());
  }
}

TEST_F(ClanPackageTest, TooFewPointsForThePrimaryPackageAsksNoSecondQuestion) {
  caste(kClanDrakkenfold, 16);
  prompter.yesNoAnswers = {true};
  addClanPackage(ctx);
  EXPECT_EQ(prompter.texts(), (Texts{kPrimaryClanWarriorQuestion,
                                     "You don't have enough points!  It takes 20 points to do "
                                     "this!"}));
  EXPECT_EQ(prompter.log[1].icon, MessageIcon::None);
  EXPECT_TRUE(w.skillsClan.empty());
  EXPECT_EQ(w.skillPoolClan.size(), 16u);
  EXPECT_FALSE(w.skillsBought || w.clanPackageTaken);

  // No, then Yes: the secondary package for 12 of the 16 points.
  prompter.clear();
  prompter.yesNoAnswers = {false, true};
  addClanPackage(ctx);
  EXPECT_EQ(w.skillsClan.size(), 9u);
  EXPECT_EQ(w.skillPoolClan.size(), 4u);
}

TEST_F(ClanPackageTest, ExactPointsEmptyThePoolAndNoOrAHumanChangeNothing) {
  caste(kClanPilot, 16);
  prompter.yesNoAnswers = {true};
  addClanPackage(ctx);
  EXPECT_TRUE(w.skillPoolClan.empty());
  EXPECT_EQ(w.skillsClan.size(), 6u);

  w = Warrior{};
  caste(kClanElemental, 24);
  prompter.yesNoAnswers = {false};
  addClanPackage(ctx);
  EXPECT_TRUE(w.skillsClan.empty());
  EXPECT_EQ(w.skillPoolClan.size(), 24u);

  w = Warrior{};
  caste(kHuman, 24);
  prompter.clear();
  addClanPackage(ctx);
  EXPECT_TRUE(prompter.log.empty());
  EXPECT_TRUE(w.skillsClan.empty());
}

TEST_F(ClanPackageTest, DelPackageStartsTheAreaOverOnlyAfterYes) {
  caste(kClanPilot, 20);
  w.priorityGrant[kSkills] = "20";
  prompter.yesNoAnswers = {true, false};
  addClanPackage(ctx);
  clickOwnedSkill(w, SkillArea::Clan, "Tactics");
  deleteClanPackage(ctx);  // No
  EXPECT_EQ(w.skillsClan.size(), 6u);
  EXPECT_EQ(w.skillPoolClan.size(), 4u);
  EXPECT_TRUE(w.clanPackageTaken);

  prompter.yesNoAnswers = {true};
  deleteClanPackage(ctx);
  EXPECT_EQ(prompter.log.back().text, kDeleteClanPackageQuestion);
  EXPECT_TRUE(w.skillsClan.empty());
  EXPECT_EQ(w.selectedSkillClan, "");
  EXPECT_EQ(w.skillPoolClan.size(), 20u);
  EXPECT_TRUE(w.clanAddPackageEnabled);
  EXPECT_FALSE(w.clanDelPackageEnabled);
  EXPECT_FALSE(w.skillsBought || w.clanPackageTaken);
}

TEST_F(ClanPackageTest, APackageMakesTheSkillsPriorityAskToResetTheArea) {
  setPriorityLevel(ctx, kRace, 3);  // Clan Pilot
  setPriorityLevel(ctx, kSkills, 2);
  ASSERT_EQ(w.skillPoolClan.size(), 16u);
  prompter.yesNoAnswers = {true};
  addClanPackage(ctx);
  ASSERT_EQ(w.skillsClan.size(), 6u);
  clickOwnedSkill(w, SkillArea::Clan, "Medtech");

  prompter.clear();
  prompter.yesNoAnswers = {false};
  setPriorityLevel(ctx, kSkills, 3);  // No: the level moves, nothing else
  EXPECT_EQ(prompter.texts(), Texts{kClanPackageResetQuestion});
  EXPECT_EQ(w.skillsClan.size(), 6u);

  prompter.yesNoAnswers = {true};
  setPriorityLevel(ctx, kSkills, 4);  // Yes: the clan area starts over with the new grant
  EXPECT_TRUE(w.skillsClan.empty());
  EXPECT_EQ(w.selectedSkillClan, "");
  EXPECT_EQ(w.skillPoolClan.size(), 24u);
  EXPECT_TRUE(clanPackageAvailable(w));
  EXPECT_FALSE(w.clanDelPackageEnabled);
}

TEST_F(ClanPackageTest, NoPackageOntoAClanListThatAlreadyHasSkills) {
  // An opened warrior has its clan buttons open whatever it owns.
  caste(kClanPilot, 24);
  w.skillsClan = {{"Tactics", "2", "14"}};
  addClanPackage(ctx);
  EXPECT_TRUE(prompter.log.empty());
  EXPECT_EQ(w.skillsClan.size(), 1u);
  EXPECT_FALSE(clanPackageAvailable(w));
}
