// Raising and lowering attribute scores, the exceptional attribute and what follows a change.
#include <gtest/gtest.h>

#include "FakePrompter.h"
#include "core/budget/Priorities.h"
#include "core/character/Attributes.h"
#include "core/model/DamageTrack.h"

using namespace dk;
using dk::test::FakePrompter;

namespace {
using Texts = std::vector<std::string>;

struct AttributeTest : ::testing::Test {
  Warrior w;
  SharedState app;
  FakePrompter prompter;
  RuleContext ctx{w, app, prompter};

  // Scores with a grant that leaves the given free points, as after earlier raises.
  void prepare(std::array<std::string, 5> scores, int freePoints) {
    w.attributeScore = scores;
    w.attributesTouched = true;
    w.priorityGrant[kAttributes] = std::to_string(freePoints + weightedAttributeSum(w));
    updateTotalPts(w);
  }
};
}  // namespace

TEST_F(AttributeTest, FirstRaiseOfANewWarrior) {
  raiseAttribute(ctx, kBLD);
  EXPECT_EQ(w.attributeScore[kBLD], "2");
  EXPECT_EQ(w.freeAttributePoints, "11");  // from the whole grant "18" to 18 - 7
  EXPECT_EQ(w.characteristic, (std::array<std::string, 4>{"15", "16", "16", "16"}));
  EXPECT_EQ(w.thresholdHead + w.thresholdTorso + w.thresholdArm + w.thresholdLeg, "41266");
  EXPECT_TRUE(damageColumnInUse(w, 4));
  EXPECT_TRUE(w.attributesTouched);
}

TEST_F(AttributeTest, IntuitionCostsTwoPoints) {
  prepare({"6", "5", "1", "1", "1"}, 1);
  raiseAttribute(ctx, kINT);
  EXPECT_EQ(w.attributeScore[kINT], "1");
  prepare({"6", "5", "1", "1", "1"}, 2);
  raiseAttribute(ctx, kINT);
  EXPECT_EQ(w.attributeScore[kINT], "2");
  EXPECT_EQ(w.freeAttributePoints, "0");
  lowerAttribute(ctx, kINT);
  lowerAttribute(ctx, kREF);
  EXPECT_EQ(w.freeAttributePoints, "3");
  lowerAttribute(ctx, kINT);  // a score of 1 stays
  EXPECT_EQ(w.attributeScore[kINT], "1");
}

TEST_F(AttributeTest, ExceptionalAttributeFlow) {
  prepare({"1", "1", "1", "1", "6"}, 3);
  w.advantagePoints = "1";
  raiseAttribute(ctx, kCHA);
  w.advantagePoints = "2";
  prompter.yesNoAnswers = {false, true};
  raiseAttribute(ctx, kCHA);
  EXPECT_EQ(w.attributeScore[kCHA], "6");
  raiseAttribute(ctx, kCHA);
  EXPECT_EQ(prompter.texts(),
            (Texts{kExceptionalAttributeUnaffordable, kExceptionalAttributeQuestion,
                   kExceptionalAttributeQuestion}));
  EXPECT_EQ(prompter.log[0].icon, MessageIcon::Information);
  EXPECT_EQ(prompter.log[1].icon, MessageIcon::Question);
  EXPECT_EQ(w.attributeScore[kCHA], "7");
  EXPECT_EQ(w.freeAttributePoints, "2");
  EXPECT_EQ(w.advantagePoints, "0");
  EXPECT_EQ(w.advantages, (std::vector<AdvantageEntry>{{"Exceptional Attribute", "2"}}));

  prompter.clear();
  raiseAttribute(ctx, kCHA);  // 7 is the end
  lowerAttribute(ctx, kCHA);  // and going back refunds nothing
  EXPECT_EQ(w.attributeScore[kCHA], "6");
  EXPECT_EQ(w.advantages.size(), 1u);
  EXPECT_EQ(w.advantagePoints, "0");
  EXPECT_TRUE(prompter.log.empty());
}

TEST_F(AttributeTest, ExceptionalBuildAndASecondExceptionalScore) {
  prepare({"6", "1", "1", "1", "6"}, 4);
  w.advantagePoints = "4";
  prompter.yesNoAnswers = {true, true};
  raiseAttribute(ctx, kBLD);
  raiseAttribute(ctx, kCHA);
  EXPECT_EQ(w.thresholdHead + w.thresholdTorso + w.thresholdArm + w.thresholdLeg, "14422121");
  EXPECT_TRUE(damageColumnInUse(w, 14));
  EXPECT_EQ(w.advantagePoints, "0");
  EXPECT_EQ(w.advantages, (std::vector<AdvantageEntry>{{"Exceptional Attribute", "2"}}));

  Warrior clan;  // only a human may go past 6
  clan.priorityGrant[kRace] = "Clan Elemental";
  clan.attributeScore[kBLD] = "6";
  clan.advantagePoints = "4";
  RuleContext clanCtx{clan, app, prompter};
  prompter.clear();
  raiseAttribute(clanCtx, kBLD);
  EXPECT_EQ(clan.attributeScore[kBLD], "6");
  EXPECT_TRUE(prompter.log.empty());
}

TEST_F(AttributeTest, HugeScoreTextsDoNotWrap) {
  w.attributeScore[kBLD] = "99999";
  raiseAttribute(ctx, kBLD);
  EXPECT_EQ(w.attributeScore[kBLD], "99999");
  lowerAttribute(ctx, kBLD);
  EXPECT_EQ(w.attributeScore[kBLD], "32766");
  EXPECT_EQ(w.characteristic[kAthletic], "-32749");
  EXPECT_EQ(w.thresholdTorso, "196596");
}
