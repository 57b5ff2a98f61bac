// Buying and removing skill levels in both areas, the rolls, and the events of the skill lists.
#include <gtest/gtest.h>

#include "FakePrompter.h"
#include "core/character/Attributes.h"
#include "core/character/Characteristics.h"
#include "core/files/SkillFile.h"
#include "core/skills/SkillAreas.h"

using namespace dk;
using dk::test::Exchange;
using dk::test::FakePrompter;

namespace {
using Texts = std::vector<std::string>;
constexpr SkillArea kAreas[] = {SkillArea::InnerSphere, SkillArea::Clan};

struct SkillTest : ::testing::Test {
  Warrior w;
  SharedState app;
  FakePrompter prompter;
  RuleContext ctx{w, app, prompter};

  SkillTest() {
    app.skillCatalogue =
        *parseSkillCatalogue(splitDataItems("Blade,A\nSmall Arms,P\nTactics,M\nOdd,x\n"));
    for (const auto& s : app.skillCatalogue.skills) {
      w.innerSphere().list.push_back({s.name, shownCharacteristic(s)});
      w.clan().list.push_back({s.name, shownCharacteristic(s)});
    }
  }
  void points(SkillArea area, int n) { w.area(area).pool.assign(static_cast<std::size_t>(n), 1); }
  void buy(SkillArea area, const std::string& name, int times = 1) {
    clickSkillList(w, area, name);
    for (int i = 0; i < times; ++i) addSkillPoint(ctx, area);
  }
  void remove(SkillArea area, const std::string& name) {
    clickOwnedSkill(w, area, name);
    removeSkillPoint(ctx, area);
  }
};
}  // namespace

TEST_F(SkillTest, EightPointsBuyThreeLevelsAndRefuseTheFourth) {
  for (SkillArea area : kAreas) {
    points(area, 8);
    prompter.clear();
    buy(area, "Blade", 4);
    EXPECT_EQ(w.area(area).skills, (std::vector<SkillEntry>{{"Blade", "3", "13"}}));
    EXPECT_EQ(w.area(area).pool.size(), 2u);
    ASSERT_EQ(prompter.texts(), Texts{kNotEnoughSkillPoints});
    // The Inner Sphere box is plain while points are left; the clan box always informs.
    EXPECT_EQ(prompter.log[0].icon,
              area == SkillArea::Clan ? MessageIcon::Information : MessageIcon::None);
  }
  points(SkillArea::InnerSphere, 0);
  prompter.clear();
  buy(SkillArea::InnerSphere, "Tactics");
  EXPECT_EQ(prompter.log.at(0).icon, MessageIcon::Information);
}

TEST_F(SkillTest, RemovingALevelRefundsItAndTheLastLevelTakesRowAndSelection) {
  for (SkillArea area : kAreas) {
    points(area, 12);
    buy(area, "Blade", 3);
    buy(area, "Tactics");
    remove(area, "Blade");
    EXPECT_EQ(w.area(area).pool.size(), 8u);  // 12 - 6 - 1 + 3
    EXPECT_EQ(w.area(area).skills[0], (SkillEntry{"Blade", "2", "14"}));
    remove(area, "Tactics");
    EXPECT_EQ(w.area(area).pool.size(), 9u);
    EXPECT_EQ(w.area(area).skills.size(), 1u);
    prompter.clear();
    removeSkillPoint(ctx, area);  // Blade remains, but the selection went with Tactics
    EXPECT_EQ(prompter.texts(), Texts{kSelectSkillToRemove});
  }
}

TEST_F(SkillTest, FirstLevelClosesThePackageChoicesAndAnEmptyListReopensThem) {
  points(SkillArea::InnerSphere, 8);
  w.skillStage = kSkillStagePackageApplied;
  buy(SkillArea::InnerSphere, "Small Arms");
  EXPECT_TRUE(w.skillsBought);
  EXPECT_EQ(w.skillStage, kSkillStageFree);
  EXPECT_FALSE(w.skillButtons[kAddPackage] || w.skillButtons[kPickMOSFOS] ||
               w.skillButtons[kChangeMOS]);
  remove(SkillArea::InnerSphere, "Small Arms");
  EXPECT_FALSE(w.skillsBought);
  EXPECT_EQ(w.skillStage, kSkillStageNone);
  EXPECT_TRUE(w.skillButtons[kAddPackage] && w.skillButtons[kPickMOSFOS] &&
              w.skillButtons[kChangeMOS]);

  // "<-- Rem Pt" on an empty list reopens as well, and says nothing is selected.
  w.skillStage = kSkillStagePackageDialog;
  w.skillButtons.fill(false);
  w.skillsBought = true;
  prompter.clear();
  removeSkillPoint(ctx, SkillArea::InnerSphere);
  EXPECT_EQ(prompter.texts(), Texts{kSelectSkillToRemove});
  EXPECT_EQ(w.skillStage, kSkillStageNone);
  EXPECT_TRUE(w.skillButtons[kAddPackage]);

  // The clan area closes both package buttons and reopens only "Add Package".
  w.clanDelPackageEnabled = true;
  points(SkillArea::Clan, 8);
  buy(SkillArea::Clan, "Blade");
  EXPECT_FALSE(w.clanAddPackageEnabled || w.clanDelPackageEnabled);
  remove(SkillArea::Clan, "Blade");
  EXPECT_TRUE(w.clanAddPackageEnabled);
  EXPECT_FALSE(w.clanDelPackageEnabled || w.skillsBought);
}

TEST_F(SkillTest, RefusalsLeaveEverythingAsItWas) {
  points(SkillArea::InnerSphere, 8);
  addSkillPoint(ctx, SkillArea::InnerSphere);  // nothing selected
  EXPECT_EQ(prompter.texts(), Texts{kSelectSkillToAdd});
  // While the package dialog is open (2) or a speciality is picked (3) the button buys nothing
  // and says nothing.
  for (std::int16_t stage : {kSkillStagePackageDialog, kSkillStagePickingMos}) {
    w.skillStage = stage;
    buy(SkillArea::InnerSphere, "Blade");
    EXPECT_TRUE(w.innerSphere().skills.empty());
    EXPECT_EQ(w.innerSphere().pool.size(), 8u);
  }
  EXPECT_EQ(prompter.log.size(), 1u);

  w.innerSphere().skills = {{"Blade", "1", "old"}};
  removeSkill(ctx, "Tactics", SkillArea::InnerSphere);
  ASSERT_EQ(prompter.log.size(), 2u);
  EXPECT_EQ(prompter.log[1].kind, Exchange::Error);
  EXPECT_EQ(prompter.log[1].text, kSkillNotOwnedError);
  EXPECT_EQ(w.innerSphere().skills[0],
            (SkillEntry{"Blade", "1", "15"}));  // the rolls are recomputed anyway
}

TEST_F(SkillTest, RollsFollowTheCharacteristicOfTheirOwnClass) {
  w.priorityGrant[kAttributes] = "30";
  w.freeAttributePoints = "20";
  w.attributeScore = {"1", "3", "3", "1", "1"};
  updateCharacteristics(w);  // Physical 12, Mental 14
  w.innerSphere().skills = {{"small arms", "2", ""},
                            {"Tactics", "2", ""},
                            {"Odd", "1", "5"},
                            {"Basket Weaving", "3", "7"}};
  w.clan().skills = {{"Small Arms", "1", ""}};
  updateSkillRolls(ctx);
  const auto rolls = [&] {
    return Texts{w.innerSphere().skills[0].roll, w.innerSphere().skills[1].roll,
                 w.innerSphere().skills[2].roll, w.innerSphere().skills[3].roll,
                 w.clan().skills[0].roll};
  };
  // The class look-up ignores case; a skill without a known class keeps its roll.
  EXPECT_EQ(rolls(), (Texts{"10", "12", "5", "7", "11"}));
  raiseAttribute(ctx, kREF);  // Physical 11
  EXPECT_EQ(rolls(), (Texts{"9", "12", "5", "7", "10"}));
  lowerAttribute(ctx, kINT);  // Physical 12, Mental 15
  EXPECT_EQ(rolls(), (Texts{"10", "13", "5", "7", "11"}));
}

TEST_F(SkillTest, LevelsAndPoolsStayWithinSixteenBits) {
  w.innerSphere().skills = {{"Blade", "32767", ""}, {"Tactics", "0", ""}, {"Small Arms", "-4", ""}};
  points(SkillArea::InnerSphere, 32000);
  buy(SkillArea::InnerSphere, "Blade");  // level 32768 would cost more than any pool holds
  EXPECT_EQ(w.innerSphere().skills[0].level, "32767");
  remove(SkillArea::InnerSphere, "Blade");
  EXPECT_EQ(w.innerSphere().skills[0].level, "32766");
  EXPECT_EQ(w.innerSphere().pool.size(), kMaxPoolEntries);  // the refund stops at the pool's limit
  // Rows at level 0 or below go with their next removal and refund nothing.
  remove(SkillArea::InnerSphere, "Tactics");
  remove(SkillArea::InnerSphere, "Small Arms");
  EXPECT_EQ(w.innerSphere().skills.size(), 1u);
  addSkill(ctx, "Blade", 30000, SkillArea::InnerSphere);
  EXPECT_EQ(w.innerSphere().skills[0].level, "32767");
  EXPECT_TRUE(w.innerSphere().pool.empty());
}

TEST_F(SkillTest, ListEventsRememberTheirOwnSelection) {
  points(SkillArea::InnerSphere, 8);
  points(SkillArea::Clan, 8);
  clickSkillList(w, SkillArea::InnerSphere, "Blade");
  clickSkillList(w, SkillArea::Clan, "Not Listed");  // only rows of the list can be selected
  EXPECT_EQ(w.selections.skillList(SkillArea::Clan), "");
  clickSkillPool(w, SkillArea::InnerSphere);
  EXPECT_EQ(w.selections.skillList(SkillArea::InnerSphere), "");
  // Double clicks buy and remove in the Inner Sphere area; in the clan area they only select.
  doubleClickSkillList(ctx, SkillArea::InnerSphere, "Tactics");
  EXPECT_EQ(w.innerSphere().skills, (std::vector<SkillEntry>{{"Tactics", "1", "15"}}));
  doubleClickOwnedSkill(ctx, SkillArea::InnerSphere, "Tactics");
  EXPECT_TRUE(w.innerSphere().skills.empty());
  doubleClickSkillList(ctx, SkillArea::Clan, "Blade");
  EXPECT_TRUE(w.clan().skills.empty());
  EXPECT_EQ(w.selections.skillList(SkillArea::Clan), "Blade");
  clickClanSkillsHeading(w, 2);
  EXPECT_EQ(w.selections.clanSortColumn, 2);

  prompter.skillPicks = {std::string("Tactics"), std::nullopt};
  EXPECT_EQ(askWhichSkill(ctx), std::optional<std::string>("Tactics"));
  EXPECT_EQ(prompter.lastSkillChoices, (Texts{"Blade", "Small Arms", "Tactics", "Odd"}));
  EXPECT_EQ(askWhichSkill(ctx), std::nullopt);
}
