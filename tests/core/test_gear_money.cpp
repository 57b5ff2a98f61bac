// The gamemaster's "Modify C-Bills" and the amounts it accepts.
#include <gtest/gtest.h>

#include "FakePrompter.h"
#include "core/gear/Money.h"

using namespace dk;
using dk::test::FakePrompter;

TEST(ModifyCBills, AcceptedAnswersCountAndShowRoundedHalfToEven) {
  struct Case {
    const char* answer;
    std::int32_t cBills;
  };
  for (const Case& c :
       {Case{"1500", 1500}, Case{" 1500 ", 1500}, Case{"12.5", 12}, Case{"13.5", 14},
        Case{"-20", -20}, Case{"+7", 7}, Case{".5", 0}, Case{"2147483647", 2147483647},
        Case{"-2147483648", INT32_MIN}, Case{"2147483647.4", 2147483647}}) {
    Warrior w;
    SharedState app;
    FakePrompter prompter;
    RuleContext ctx{w, app, prompter};
    prompter.textAnswers.push_back(c.answer);
    modifyCBills(ctx);
    EXPECT_EQ(w.cBills, c.cBills) << c.answer;
    EXPECT_EQ(w.cBillsText, std::to_string(c.cBills)) << c.answer;
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kModifyCBillsPrompt});
    EXPECT_EQ(w.equipmentCBills, 500);  // only the C-Bills change
  }
}

TEST(ModifyCBills, JunkLimitsAndCancelChangeNothing) {
  struct Case {
    std::optional<std::string> answer;
    std::optional<std::string> message;
  };
  const std::vector<Case> cases{
      {std::nullopt, std::nullopt},
      {"", std::nullopt},
      {"lots", notAnAmountMessage("lots")},
      {"12abc", notAnAmountMessage("12abc")},
      {"1.2.3", notAnAmountMessage("1.2.3")},
      {"-", notAnAmountMessage("-")},
      {"1e5", notAnAmountMessage("1e5")},
      {"2147483648", kCBillsOutOfRange},
      {"2147483647.5", kCBillsOutOfRange},
      {"-2147483649", kCBillsOutOfRange},
      {std::string(400, '9'), kCBillsOutOfRange},
  };
  for (const auto& c : cases) {
    Warrior w;
    SharedState app;
    FakePrompter prompter;
    RuleContext ctx{w, app, prompter};
    prompter.textAnswers.push_back(c.answer);
    modifyCBills(ctx);
    std::vector<std::string> said{kModifyCBillsPrompt};
    if (c.message) said.push_back(*c.message);
    EXPECT_EQ(prompter.texts(), said) << c.answer.value_or("(cancel)");
    EXPECT_EQ(w.cBills, 200);
    EXPECT_EQ(w.cBillsText, "200");
  }
}

TEST(ModifyCBills, TheGearTabsFollowTheCBillsOnlyAfterTheTransfer) {
  Warrior w;
  SharedState app;
  FakePrompter prompter;
  RuleContext ctx{w, app, prompter};
  prompter.textAnswers = {"1500", "900"};
  modifyCBills(ctx);
  EXPECT_EQ(gearPurseText(w), "500");
  transferEquipmentCBills(ctx);
  EXPECT_EQ(gearPurseText(w), "2000");
  modifyCBills(ctx);
  EXPECT_EQ(gearPurseText(w), "900");
  EXPECT_EQ(w.equipmentCBillsText, "0");
}
