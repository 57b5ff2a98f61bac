#include <gtest/gtest.h>

#include "FakePrompter.h"
#include "core/gear/Money.h"

using namespace dk;

TEST(Money, TransferPoursTheEquipmentCBillsIntoTheCBillsOnce) {
  Warrior w;
  SharedState app;
  test::FakePrompter prompter;
  RuleContext ctx{w, app, prompter};
  EXPECT_EQ(gearPurseText(w), "500");  // gear is paid from the equipment C-Bills first
  transferEquipmentCBills(ctx);
  EXPECT_TRUE(w.cBillsTransferred);
  EXPECT_EQ(w.cBills, 700);
  EXPECT_EQ(w.equipmentCBills, 0);
  EXPECT_EQ(w.cBillsText, "700");
  EXPECT_EQ(w.equipmentCBillsText, "0");
  EXPECT_EQ(gearPurseText(w), "700");
  w.equipmentCBills = 50;  // there is no second transfer
  transferEquipmentCBills(ctx);
  EXPECT_EQ(w.cBills, 700);
  EXPECT_TRUE(prompter.log.empty());
}

TEST(Money, ATransferBeyondThirtyTwoBitsIsRefused) {
  Warrior w;
  w.cBills = 2147483400;
  w.cBillsText = "2147483400";
  SharedState app;
  test::FakePrompter prompter;
  RuleContext ctx{w, app, prompter};
  transferEquipmentCBills(ctx);
  ASSERT_EQ(prompter.texts(), std::vector<std::string>{kTransferTooLarge});
  EXPECT_FALSE(w.cBillsTransferred);
  EXPECT_EQ(w.cBills, 2147483400);
  EXPECT_EQ(w.equipmentCBills, 500);
  EXPECT_EQ(w.equipmentCBillsText, "500");
}
