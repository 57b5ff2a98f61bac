// Buying and removing skill levels in both areas, the rolls, and the events of the skill lists.
#include <gtest/gtest.h>

#include "FakePrompter.h"
#include "model/Attributes.h"
#include "skills/SkillAreas.h"

using namespace dk;
using dk::test::Exchange;
using dk::test::FakePrompter;

namespace {
using Texts = std::vector<std::string>;
constexpr SkillArea kAreas[] = {SkillArea::InnerSphere, SkillArea::Clan};

struct SkillTest : ::testing::Test {
  Warrior w;
  AppState app;
  FakePrompter prompter;
  RuleContext ctx{w, app, prompter};

  SkillTest() {
    app.skillCatalogue = parseSkillCatalogue(splitDataItems(
                             "Blade,A\nSmall Arms,P\nTactics,M\nLeadership,S\nOdd,x\n"))
                             .catalogue;
    for (const auto& s : app.skillCatalogue.skills) {
      w.skillListIS.push_back({s.name, shownCharacteristic(s)});
      w.skillListClan.push_back({s.name, shownCharacteristic(s)});
    }
  }
  void points(SkillArea area, int n) { skillPool(w, area).assign(static_cast<std::size_t>(n), 1); }
  void buy(SkillArea area, const std::string& name, int times = 1) {
    clickSkillList(w, area, name);
    for (int i = 0; i < times; ++i) addSkillPoint(ctx, area);
  }
  void remove(SkillArea area, const std::string& name, int times = 1) {
    clickOwnedSkill(w, area, name);
    for (int i = 0; i < times; ++i) removeSkillPoint(ctx, area);
  }
};
}  // namespace

TEST_F(SkillTest, EightPointsBuyThreeLevelsAndRefuseTheFourth) {
  for (SkillArea area : kAreas) {
    points(area, 8);
    prompter.clear();
    buy(area, "Blade", 4);
    ASSERT_EQ(ownedSkills(w, area).size(), 1u);
    EXPECT_EQ(ownedSkills(w, area)[0], (SkillEntry{"Blade", "3", "13"}));  // Athletic 16 - 3
    EXPECT_EQ(skillPool(w, area).size(), 2u);
    ASSERT_EQ(prompter.texts(), Texts{kNotEnoughSkillPoints});
    // The Inner Sphere box is plain while points are left; the clan box always informs.
    EXPECT_EQ(prompter.log[0].icon,
              area == SkillArea::Clan ? MessageIcon::Information : MessageIcon::None);
  }
  // With no point at all, the Inner Sphere box informs too.
  points(SkillArea::InnerSphere, 0);
  prompter.clear();
  buy(SkillArea::InnerSphere, "Tactics");
  EXPECT_EQ(prompter.log.at(0).icon, MessageIcon::Information);
}

TEST_F(SkillTest, RemovingALevelRefundsItAndTheLastLevelTakesRowAndSelection) {
  for (SkillArea area : kAreas) {
    points(area, 12);
    buy(area, "Blade", 3);    // 6 points
    buy(area, "Tactics", 1);  // 1 point
    EXPECT_EQ(skillPool(w, area).size(), 5u);
    remove(area, "Blade");
    EXPECT_EQ(skillPool(w, area).size(), 8u);
    EXPECT_EQ(ownedSkills(w, area)[0], (SkillEntry{"Blade", "2", "14"}));
    remove(area, "Tactics");
    EXPECT_EQ(skillPool(w, area).size(), 9u);
    ASSERT_EQ(ownedSkills(w, area).size(), 1u);
    EXPECT_EQ(ownedSkillSelection(w, area), "");
    prompter.clear();
    removeSkillPoint(ctx, area);  // Blade remains, but nothing is selected
    EXPECT_EQ(prompter.texts(), Texts{kSelectSkillToRemove});
    EXPECT_EQ(ownedSkills(w, area)[0].level, "2");
  }
}

TEST_F(SkillTest, FirstLevelClosesThePackageChoicesAndAnEmptyListReopensThem) {
  points(SkillArea::InnerSphere, 8);
  w.skillStage = kSkillStagePackageApplied;
  buy(SkillArea::InnerSphere, "Small Arms");
  EXPECT_TRUE(w.skillsBought);
  EXPECT_EQ(w.skillStage, kSkillStageFree);
  EXPECT_FALSE(w.skillButtons[kAddPackage]);
  EXPECT_FALSE(w.skillButtons[kPickMOSFOS]);
  EXPECT_FALSE(w.skillButtons[kChangeMOS]);
  EXPECT_TRUE(w.skillButtons[kAddPtIS]);
  remove(SkillArea::InnerSphere, "Small Arms");
  EXPECT_FALSE(w.skillsBought);
  EXPECT_EQ(w.skillStage, kSkillStageNone);
  EXPECT_TRUE(w.skillButtons[kAddPackage] && w.skillButtons[kPickMOSFOS] &&
              w.skillButtons[kChangeMOS]);

  // The clan area closes both of its package buttons and reopens only "Add Package".
  w.clanDelPackageEnabled = true;
  points(SkillArea::Clan, 8);
  buy(SkillArea::Clan, "Blade");
  EXPECT_TRUE(w.skillsBought);
  EXPECT_FALSE(w.clanAddPackageEnabled);
  EXPECT_FALSE(w.clanDelPackageEnabled);
  remove(SkillArea::Clan, "Blade");
  EXPECT_FALSE(w.skillsBought);
  EXPECT_TRUE(w.clanAddPackageEnabled);
  EXPECT_FALSE(w.clanDelPackageEnabled);
}

TEST_F(SkillTest, RemPtOnAnEmptyInnerSphereListResetsTheStageAndSaysNothingIsSelected) {
  w.skillStage = kSkillStagePackageDialog;
  w.skillButtons.fill(false);
  w.skillsBought = true;
  removeSkillPoint(ctx, SkillArea::InnerSphere);
  EXPECT_EQ(prompter.texts(), Texts{kSelectSkillToRemove});
  EXPECT_EQ(w.skillStage, kSkillStageNone);
  EXPECT_FALSE(w.skillsBought);
  EXPECT_TRUE(w.skillButtons[kAddPackage] && w.skillButtons[kPickMOSFOS] &&
              w.skillButtons[kChangeMOS]);
}

TEST_F(SkillTest, RefusalsLeaveEverythingAsItWas) {
  points(SkillArea::InnerSphere, 8);
  addSkillPoint(ctx, SkillArea::InnerSphere);  // nothing selected
  EXPECT_EQ(prompter.texts(), Texts{kSelectSkillToAdd});
  prompter.clear();
  // While the package dialog is open (2) or a speciality is picked (3) the button buys nothing.
  for (std::int16_t stage : {kSkillStagePackageDialog, kSkillStagePickingMos}) {
    w.skillStage = stage;
    buy(SkillArea::InnerSphere, "Blade");
    EXPECT_TRUE(w.skillsIS.empty());
    EXPECT_EQ(w.skillPoolIS.size(), 8u);
    EXPECT_EQ(w.skillStage, stage);
  }
  EXPECT_TRUE(prompter.log.empty());
  EXPECT_FALSE(w.skillsBought);
}

TEST_F(SkillTest, RemovingASkillThatIsNotOwnedIsAnInternalError) {
  w.skillsIS = {{"Blade", "1", "old"}};
  DelSkill(ctx, "Tactics", SkillArea::InnerSphere);
  ASSERT_EQ(prompter.log.size(), 1u);
  EXPECT_EQ(prompter.log[0].kind, Exchange::Error);
  EXPECT_EQ(prompter.log[0].text, kSkillNotOwnedError);
  EXPECT_EQ(w.skillsIS[0], (SkillEntry{"Blade", "1", "15"}));  // the rolls are recomputed anyway
  EXPECT_TRUE(w.skillPoolIS.empty());
}

TEST_F(SkillTest, RollsFollowTheCharacteristicOfTheirOwnClass) {
  w.priorityGrant[kAttributes] = "30";
  w.freeAttributePoints = "20";
  w.attributeScore = {"1", "3", "3", "1", "1"};
  updateCharacteristics(w);  // Physical 12, Mental 14
  w.skillsIS = {{"small arms", "2", ""}, {"Tactics", "2", ""}, {"Odd", "1", "5"},
                {"Basket Weaving", "3", "7"}};
  w.skillsClan = {{"Small Arms", "1", ""}};
  UpdateSkillRolls(ctx);
  EXPECT_EQ(w.skillsIS[0].roll, "10");  // the class look-up ignores case
  EXPECT_EQ(w.skillsIS[1].roll, "12");
  // A skill without a known class keeps whatever roll it had.
  EXPECT_EQ(w.skillsIS[2].roll, "5");
  EXPECT_EQ(w.skillsIS[3].roll, "7");
  EXPECT_EQ(w.skillsClan[0].roll, "11");

  raiseAttribute(ctx, kREF);  // Physical 11, Mental unchanged
  EXPECT_EQ(w.skillsIS[0].roll, "9");
  EXPECT_EQ(w.skillsIS[1].roll, "12");
  EXPECT_EQ(w.skillsClan[0].roll, "10");
  lowerAttribute(ctx, kINT);  // Physical 12, Mental 15
  EXPECT_EQ(w.skillsIS[0].roll, "10");
  EXPECT_EQ(w.skillsIS[1].roll, "13");
}

TEST_F(SkillTest, LevelsAndPoolsStayWithinSixteenBits) {
  w.skillsIS = {{"Blade", "32767", ""}, {"Tactics", "0", ""}, {"Small Arms", "-4", ""}};
  points(SkillArea::InnerSphere, 32000);
  buy(SkillArea::InnerSphere, "Blade");  // level 32768 would cost more than any pool holds
  EXPECT_EQ(w.skillsIS[0].level, "32767");
  EXPECT_EQ(prompter.texts(), Texts{kNotEnoughSkillPoints});
  remove(SkillArea::InnerSphere, "Blade");
  EXPECT_EQ(w.skillsIS[0].level, "32766");
  EXPECT_EQ(w.skillPoolIS.size(), kMaxPoolEntries);  // the refund stops at the pool's limit
  // Rows at level 0 or below go with their next removal and refund nothing.
  remove(SkillArea::InnerSphere, "Tactics");
  remove(SkillArea::InnerSphere, "Small Arms");
  ASSERT_EQ(w.skillsIS.size(), 1u);
  EXPECT_EQ(w.skillPoolIS.size(), kMaxPoolEntries);

  AddSkill(ctx, "Blade", 30000, SkillArea::InnerSphere);
  EXPECT_EQ(w.skillsIS[0].level, "32767");
  EXPECT_TRUE(w.skillPoolIS.empty());  // charged its whole new level
}

TEST_F(SkillTest, ListEventsRememberTheirOwnSelection) {
  points(SkillArea::InnerSphere, 8);
  clickSkillList(w, SkillArea::InnerSphere, "Blade");
  clickSkillList(w, SkillArea::Clan, "Tactics");
  clickSkillList(w, SkillArea::Clan, "Not Listed");  // only rows of the list can be selected
  EXPECT_EQ(w.selectedSkillListIS, "Blade");
  EXPECT_EQ(w.selectedSkillListClan, "Tactics");
  clickSkillPool(w, SkillArea::Clan);
  EXPECT_EQ(w.selectedSkillListClan, "Tactics");
  clickSkillPool(w, SkillArea::InnerSphere);
  EXPECT_EQ(w.selectedSkillListIS, "");

  // Double clicks buy and remove in the Inner Sphere area; in the clan area they only select.
  doubleClickSkillList(ctx, SkillArea::InnerSphere, "Tactics");
  EXPECT_EQ(w.skillsIS, (std::vector<SkillEntry>{{"Tactics", "1", "15"}}));
  doubleClickOwnedSkill(ctx, SkillArea::InnerSphere, "Tactics");
  EXPECT_TRUE(w.skillsIS.empty());
  points(SkillArea::Clan, 8);
  doubleClickSkillList(ctx, SkillArea::Clan, "Blade");
  EXPECT_TRUE(w.skillsClan.empty());
  EXPECT_EQ(w.selectedSkillListClan, "Blade");

  clickClanSkillsHeading(w, 2);
  EXPECT_EQ(w.skillsClanSortColumn, 2);
  clickClanSkillsHeading(w, 7);
  EXPECT_EQ(w.skillsClanSortColumn, 2);
}

TEST_F(SkillTest, WhichSkillOffersTheCatalogueAndTellsNoChoiceFromAChoice) {
  prompter.skillPicks = {std::string("Tactics"), std::nullopt};
  EXPECT_EQ(askWhichSkill(ctx), std::optional<std::string>("Tactics"));
  EXPECT_EQ(prompter.lastSkillChoices,
            (Texts{"Blade", "Small Arms", "Tactics", "Leadership", "Odd"}));
  EXPECT_EQ(askWhichSkill(ctx), std::nullopt);
}
