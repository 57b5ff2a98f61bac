// What the window explains: each formula gives the number the rules show, in words with this
// warrior's numbers; prices before a purchase; why a click did nothing; a sound file name.
#include <gtest/gtest.h>

#include "FakePrompter.h"
#include "core/app/Commands.h"
#include "core/app/Explain.h"
#include "core/app/SaveWarrior.h"
#include "core/budget/Priorities.h"
#include "core/character/Attributes.h"
#include "core/character/Characteristics.h"
#include "core/util/Numeric.h"

using namespace dk;

TEST(Explain, EachFormulaGivesTheValueTheRulesShow) {
  for (const auto& scores : {std::array<const char*, 5>{"1", "1", "1", "1", "1"},
                             std::array<const char*, 5>{"5", "4", "3", "6", "2"}}) {
    Warrior w;
    for (int a = 0; a < kAttributeCount; ++a) w.attributeScore[a] = scores[a];
    updateCharacteristics(w);
    updateThresholds(w);
    for (int c = 0; c < kCharacteristicCount; ++c)
      EXPECT_EQ(
          derivedTip(w.characteristic[c], characteristicFormula(w, static_cast<Characteristic>(c))),
          characteristicFormula(w, static_cast<Characteristic>(c)).text());
    for (int p = 0; p < kThresholdParts; ++p) {
      const Formula f = thresholdFormula(w, static_cast<ThresholdPart>(p));
      EXPECT_EQ(thresholdText(w, static_cast<ThresholdPart>(p)), toText(f.value()));
    }
  }
  Warrior w;
  w.attributeScore = {"5", "4", "3", "6", "2"};
  updateCharacteristics(w);
  EXPECT_EQ(characteristicFormula(w, kMental).text(), "Mental 9 = 18 \u2212 (INT 3 + LRN 6)");
  EXPECT_EQ(thresholdFormula(w, kTorso).text(), "Torso 30 = 6 \u00d7 BLD 5");
  w.priorityGrant[kAttributes] = "24";
  w.attributesTouched = true;
  updateTotalPts(w);
  EXPECT_EQ(freeAttributePointsTip(w),
            "Free 1 = 24 \u2212 (BLD 5 + REF 4 + 2 \u00d7 INT 3 + LRN 6 + CHA 2)");
  w.priorityLevel = {2, 3, 2, 0, 0};
  EXPECT_EQ(pointsLeftFormula(w, 10).text(),
            "Points Left 3 = maximum 10 \u2212 (Race 2 + Attributes 3 + Skills 2 + Advantages 0 "
            "+ BattleMech 0)");
  // A value set otherwise (a file, the gamemaster) is told beside what the formula gives.
  EXPECT_EQ(derivedTip("12", thresholdFormula(w, kHead)),
            "Head shows 12 as it was set; worked out anew it is Head 10 = 2 \u00d7 BLD 5.");
}

TEST(Explain, PricesBeforeAPurchaseAndWhyAButtonIsClosed) {
  Warrior w;
  w.innerSphere().skills = {{"Gunnery", "2", ""}};
  EXPECT_EQ(skillPriceTip(w, SkillArea::InnerSphere, "Gunnery"),
            "Level 3 of Gunnery costs 3 skill points.");
  w.innerSphere().training.skills = {{"Gunnery", 3}};
  EXPECT_EQ(skillPriceTip(w, SkillArea::InnerSphere, "Gunnery"),
            "Level 3 of Gunnery comes with the training, for no points.");
  EXPECT_EQ(advantagePriceTip("Wealth"), "Costs 1 advantage point a level, up to level 3.");
  EXPECT_EQ(advantagePriceTip("Bloodname"),
            "Costs 3 advantage points; taken once. For clan warriors only.");
  EXPECT_EQ(gearPriceTip({"Kit", "Gear", "6O"}),
            "Its cost \"6O\" is not a number: it cannot be bought.");
  EXPECT_EQ(closedButtonTip(w, kPickMOSFOS), "");
  w.skillButtons[kPickMOSFOS] = false;
  w.skillsBought = true;
  EXPECT_EQ(closedButtonTip(w, kPickMOSFOS),
            "Pick MOS is available until the first skill point is bought.");
}

TEST(Explain, ARefusalWithoutABoxIsToldInPassing) {
  SharedState shared;
  test::FakePrompter prompter;
  std::vector<std::string> notes;
  prompter.setNoteSink([&](const std::string& text) { notes.push_back(text); });
  Warrior w;
  RuleContext ctx{w, shared, prompter};
  w.attributesTouched = true;
  w.priorityGrant[kAttributes] = "7";
  raiseAttribute(ctx, kINT);  // 6 bought points of 7: Intuition costs 2
  lowerAttribute(ctx, kBLD);
  commands::priorityAtBound(kSkills, false).rule(ctx);
  EXPECT_EQ(notes, (std::vector<std::string>{
                       "Intuition cannot go up: a point of Intuition costs 2, and Free is 1.",
                       "Build is at its lowest: a score is never bought below 1.",
                       "The Skills priority is at its lowest level, 0."}));
  EXPECT_TRUE(prompter.log.empty());
}

TEST(SaveWarrior, TheSaveChooserOffersTheNameAsAFileName) {
  for (const auto& [name, file] : {std::pair{"Kira Valdane", "Kira Valdane.war"},
                                   {" ..Kai/Lee: \"Ace\"? ", "Kai_Lee_ _Ace__.war"},
                                   {"", ""},
                                   {" . ", ""}}) {
    Warrior w;
    w.name = name;
    EXPECT_EQ(suggestedFileName(w), file) << name;
  }
}
