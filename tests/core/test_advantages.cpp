// Advantages: prices, maximums, the order of the refusals, the effects on Edge and the money,
// and the reset that takes the money back.
#include <gtest/gtest.h>

#include "FakePrompter.h"
#include "core/gear/Advantages.h"
#include "core/gear/Money.h"

using namespace dk;
using dk::test::FakePrompter;
using Texts = std::vector<std::string>;

namespace {
struct AdvantageTest : ::testing::Test {
  Warrior w;
  SharedState app;
  FakePrompter prompter;
  RuleContext ctx{w, app, prompter};

  void buy(const std::string& name, int times = 1) {
    w.selections.advantage = name;
    for (int i = 0; i < times; ++i) buyAdvantage(ctx);
  }
  void points(int n) {
    w.advantagePoints = std::to_string(n);
    w.priorityGrant[kAdvantages] = std::to_string(n);
  }
  void reset(bool yes) {
    prompter.yesNoAnswers.push_back(yes);
    resetAdvantages(ctx);
  }
};
}  // namespace

TEST(AdvantageCatalogue, SixteenNamesShownAlphabetically) {
  EXPECT_EQ(advantageCatalogue().size(), 16u);
  EXPECT_EQ(
      advantagesAlphabetically(),
      (Texts{"Ambidextrous", "Bloodname", "Combat Sense", "Contact", "Dropship",
             "EI Neural Implant", "Extra Edge", "Land Grant", "Natural Aptitude", "Reputation",
             "Sixth Sense", "Title", "Toughness", "Wealth", "Well-Connected", "Well-Equipped"}));
}

TEST_F(AdvantageTest, ExtraEdgeThreeTimesThenTheMaximum) {
  points(4);
  buy("Extra Edge", 3);
  EXPECT_EQ(w.edge, "4");
  EXPECT_EQ(w.extraEdgeBought, 3);
  EXPECT_EQ(w.advantages, (std::vector<AdvantageEntry>{{"Extra Edge", "3"}}));
  EXPECT_EQ(w.advantagePoints, "1");
  EXPECT_TRUE(prompter.log.empty());
  buy("Extra Edge");
  EXPECT_EQ(prompter.texts(), Texts{kAdvantageAtMaximum});
  EXPECT_EQ(w.advantagePoints, "1");
  // Reset takes the Edge back with the purchases.
  reset(true);
  EXPECT_EQ(w.edge, "1");
  EXPECT_EQ(w.extraEdgeBought, 0);
  EXPECT_EQ(w.advantagePoints, "4");
  EXPECT_TRUE(w.advantages.empty());
}

// Numbers of any length of digits from a hand-edited file count within 32 bits, never wrapped.
TEST_F(AdvantageTest, HugeNumbersShownDoNotWrap) {
  const std::string huge = "99999999999999999999";
  w.advantagePoints = w.edge = huge;
  buy("Extra Edge");
  EXPECT_EQ(w.edge, "2147483648");
  reset(true);
  EXPECT_EQ(w.edge, "2147483646");
  w.advantagePoints = huge, w.isClan = true;
  buy("Bloodname");
  takeBackClanOnlyAdvantages(w);
  EXPECT_EQ(w.advantagePoints, "2147483650");  // and Bloodname's 3
}

TEST_F(AdvantageTest, WithNoPointsEveryPurchaseIsRefusedExceptTheAptitudeOrder) {
  w.addAdv("Ambidextrous", 1);
  w.addAdv("Extra Edge", 3);
  for (const auto& name : advantageCatalogue()) {
    if (name == kNaturalAptitude) continue;
    prompter.clear();
    buy(name);
    EXPECT_EQ(prompter.texts(), Texts{kNotEnoughPoints}) << name;
  }
  // Natural Aptitude asks for the skill before it looks at the points.
  prompter.clear();
  prompter.skillPicks = {"Blade"};
  buy(kNaturalAptitude);
  EXPECT_EQ(prompter.texts(), (Texts{"Which Skill?", kNotEnoughPoints}));
  EXPECT_EQ(w.advantages.size(), 2u);
  // ... and it tests "already have" before anything else.
  w.addAdv(kNaturalAptitude, 2);
  prompter.clear();
  buy(kNaturalAptitude);
  EXPECT_EQ(prompter.texts(), Texts{kAlreadyHaveAdvantage});
}

TEST_F(AdvantageTest, NaturalAptitudeCostsThreeForACombatSkillAndIsTakenOnce) {
  points(4);
  prompter.skillPicks = {"Gunnery/BattleMech"};
  buy(kNaturalAptitude);
  EXPECT_EQ(w.advantages,
            (std::vector<AdvantageEntry>{{"Natural Aptitude (Gunnery/BattleMech)", "3"}}));
  EXPECT_EQ(w.advantagePoints, "1");
  buy(kNaturalAptitude);
  EXPECT_EQ(prompter.texts(), (Texts{"Which Skill?", kAlreadyHaveAdvantage}));

  for (const char* skill : {"Blade", "Archery", "Small Arms", "Support Weapons", "Throwing Weapons",
                            "Unarmed Combat", "Gunnery", "Gunnery/Aero"})
    EXPECT_TRUE(isCombatSkill(skill)) << skill;
  for (const char* skill : {"Medtech", "blade", "Gunner", "Gunnery ", "Small Arms "})
    EXPECT_EQ(isCombatSkill(skill), std::string(skill) == "Gunnery ")
        << skill;  // seven letters match
}

TEST_F(AdvantageTest, RowsFromAnOpenedFileOrTheRaceCountAsHeld) {
  points(4);
  w.advantages = {{"Natural Aptitude (Piloting/Aero)", "2"}, {"Toughness", "2"}};
  buy(kNaturalAptitude);
  buy("Toughness");
  EXPECT_EQ(prompter.texts(), (Texts{kAlreadyHaveAdvantage, kAlreadyHaveAdvantage}));
  EXPECT_EQ(w.advantagePoints, "4");
}

TEST_F(AdvantageTest, NaturalAptitudeForAnOtherSkillCostsTwoAndAClosedPickerBuysNothing) {
  points(2);
  prompter.skillPicks = {std::nullopt, "Medtech"};
  w.aptitudeSkill = "Blade";  // left over from an earlier pick
  buy(kNaturalAptitude);
  EXPECT_TRUE(w.advantages.empty());
  EXPECT_EQ(w.advantagePoints, "2");
  buy(kNaturalAptitude);
  EXPECT_EQ(w.advantages, (std::vector<AdvantageEntry>{{"Natural Aptitude (Medtech)", "2"}}));
  EXPECT_EQ(w.advantagePoints, "0");
}

TEST_F(AdvantageTest, BloodnameRefusesPointsFirstThenRace) {
  points(2);
  w.isClan = false;
  buy("Bloodname");
  points(3);
  buy("Bloodname");
  buy("EI Neural Implant");
  EXPECT_EQ(prompter.texts(), (Texts{kNotEnoughPoints, kNotClanWarrior, kNotClanWarrior}));
  w.isClan = true;
  buy("Bloodname");
  EXPECT_EQ(w.advantages, (std::vector<AdvantageEntry>{{"Bloodname", "3"}}));
  EXPECT_EQ(w.advantagePoints, "0");
}

TEST_F(AdvantageTest, WealthAndWellEquippedAndTheirReset) {
  points(4);
  buy("Wealth");
  EXPECT_EQ(w.cBillsText, "5000");
  buy("Well-Equipped", 2);
  EXPECT_EQ(w.equipmentCBills, 5000);
  EXPECT_EQ(w.equipmentCBillsText, "5000");
  reset(true);
  EXPECT_EQ(w.cBills, 200);
  EXPECT_EQ(w.cBillsText, "200");
  EXPECT_EQ(w.equipmentCBillsText, "500");
  EXPECT_EQ(w.advantagePoints, "4");

  // After the transfer Well-Equipped pays into the C-Bills and the reset takes it from there.
  // Wealth adds what its steps are worth, so the money moved over stays and the reset takes
  // back exactly what the two advantages gave.
  transferEquipmentCBills(ctx);
  points(5);
  buy("Well-Equipped", 3);
  EXPECT_EQ(w.cBillsText, "25200");
  EXPECT_EQ(w.equipmentCBillsText, "0");
  buy("Wealth", 2);
  EXPECT_EQ(w.cBillsText, "75000");
  reset(true);
  EXPECT_EQ(w.cBills, 700);
  EXPECT_EQ(w.equipmentCBills, 0);
}

TEST_F(AdvantageTest, NoSumLeavesThirtyTwoBits) {
  points(2);
  w.equipmentCBills = 2147483400;
  buy("Well-Equipped");
  EXPECT_EQ(prompter.texts(), Texts{kAmountOutOfRange});
  EXPECT_TRUE(w.advantages.empty());
  EXPECT_EQ(w.advantagePoints, "2");
  // A reset that would wrap the C-Bills is refused whole.
  prompter.clear();
  w.cBills = -2147483000;
  w.advantages = {{"Wealth", "3"}};
  reset(true);
  EXPECT_EQ(prompter.texts(), (Texts{kResetAdvantagesQuestion, kAmountOutOfRange}));
  EXPECT_EQ(w.advantages.size(), 1u);
  EXPECT_EQ(w.cBills, -2147483000);
}
