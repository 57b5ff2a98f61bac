// Buying and returning gear: quantities, the purse paid from, refunds into the C-Bills, the
// asset worth, and the refusals.
#include <gtest/gtest.h>

#include <functional>

#include "FakePrompter.h"
#include "core/gear/Gear.h"
#include "core/gear/Money.h"
#include "core/util/Numeric.h"

using namespace dk;
using dk::test::FakePrompter;

namespace {
struct Shop {
  Warrior w;
  SharedState app;
  FakePrompter prompter;
  RuleContext ctx{w, app, prompter};
  GearCatalogue weapons = weaponCatalogue({{"Arc Pistol", "120", "5", "Pistols"},
                                           {"Cannon", "500", "0", "Support"},
                                           {"Heavy Cannon", "501", "0", "Support"},
                                           {"Dart", "0.5", "", "Archaic"},
                                           {"Junk", "cheap", "", "Archaic"}});

  void buy(const std::string& row) {
    w.selections.weaponRow = row;
    buyGear(ctx, GearKind::Weapons, weapons);
  }
  void remove(const std::string& row) {
    w.selections.weapon = row;
    removeGear(ctx, GearKind::Weapons, weapons);
  }
  void expectMoney(const char* cBills, const char* equipment, const char* worth) {
    EXPECT_EQ(w.cBillsText, cBills);
    EXPECT_EQ(w.equipmentCBillsText, equipment);
    EXPECT_EQ(w.assetWorthText, worth);
    EXPECT_EQ(toText(w.cBills), cBills);
    EXPECT_EQ(toText(w.equipmentCBills), equipment);
    EXPECT_EQ(toText(w.assetWorth), worth);
  }
};
struct GearTest : ::testing::Test, Shop {};
}  // namespace

TEST_F(GearTest, TwiceBoughtThenReturnedTwiceLeavesNothingSelected) {
  buy("Arc Pistol");
  buy("Arc Pistol");
  EXPECT_EQ(w.weapons, (std::vector<GearEntry>{{"Arc Pistol", "2"}}));
  expectMoney("200", "260", "240");
  remove("Arc Pistol");
  EXPECT_EQ(w.weapons, (std::vector<GearEntry>{{"Arc Pistol", "1"}}));
  // The refund goes to the C-Bills, also before the transfer.
  expectMoney("320", "260", "120");
  removeGear(ctx, GearKind::Weapons, weapons);
  EXPECT_TRUE(w.weapons.empty());
  EXPECT_EQ(w.selections.weapon, "");
  expectMoney("440", "260", "0");
  EXPECT_TRUE(prompter.log.empty());
  // An empty list: nothing at all happens. With a row but no selection: the message.
  removeGear(ctx, GearKind::Weapons, weapons);
  EXPECT_TRUE(prompter.log.empty());
  buy("Arc Pistol");
  removeGear(ctx, GearKind::Weapons, weapons);
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{kSelectWeaponToRemove});
}

TEST_F(GearTest, APriceEqualToThePurseIsAllowedOneMoreIsNot) {
  buy("Heavy Cannon");
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{kNotEnoughCBills});
  EXPECT_TRUE(w.weapons.empty());
  expectMoney("200", "500", "0");
  prompter.clear();
  buy("Cannon");
  EXPECT_TRUE(prompter.log.empty());
  expectMoney("200", "0", "500");
}

TEST_F(GearTest, AfterTheTransferGearIsPaidFromTheCBills) {
  transferEquipmentCBills(ctx);
  buy("Cannon");
  expectMoney("200", "0", "500");
  EXPECT_EQ(gearPurseText(w), "200");
  remove("Cannon");
  expectMoney("700", "0", "0");
}

TEST_F(GearTest, FractionsRoundHalfToEven) {
  buy("Dart");  // 500 - 0.5 = 499.5 -> 500; 0 + 0.5 -> 0
  expectMoney("200", "500", "0");
  buy("Dart");
  expectMoney("200", "500", "0");
  w.equipmentCBills = 501;
  buy("Dart");  // 500.5 -> 500; 0.5 -> 0
  EXPECT_EQ(w.equipmentCBills, 500);
  EXPECT_EQ(w.weapons, (std::vector<GearEntry>{{"Dart", "3"}}));
}

TEST(GearRefusals, ChangeNothing) {
  struct Case {
    const char* what;
    std::function<void(Shop&)> setUp;
    std::function<void(Shop&)> act;
    std::string message;
  };
  const auto none = [](Shop&) {};
  const auto ownsOne = [](const char* name) {
    return [name](Shop& t) { t.w.weapons = {{name, "2"}}; };
  };
  const std::vector<Case> cases{
      {"nothing selected", none, [](Shop& t) { t.buy(""); }, kSelectWeaponToAdd},
      {"cost not a number", none, [](Shop& t) { t.buy("Junk"); },
       costNotANumberMessage("Junk", "cheap", true)},
      {"asset worth would wrap", [](Shop& t) { t.w.assetWorth = 2147483600; },
       [](Shop& t) { t.buy("Arc Pistol"); }, kAmountOutOfRange},
      {"refund would wrap",
       [&](Shop& t) {
         ownsOne("Arc Pistol")(t);
         t.w.cBills = 2147483600;
       },
       [](Shop& t) { t.remove("Arc Pistol"); }, kAmountOutOfRange},
      {"refund of a cost that is not a number", ownsOne("Junk"), [](Shop& t) { t.remove("Junk"); },
       costNotANumberMessage("Junk", "cheap", false)},
  };
  for (const auto& c : cases) {
    Shop t;
    c.setUp(t);
    const Warrior before = t.w;
    c.act(t);
    EXPECT_EQ(t.prompter.texts(), std::vector<std::string>{c.message}) << c.what;
    EXPECT_EQ(t.w.weapons, before.weapons) << c.what;
    EXPECT_EQ(t.w.cBills, before.cBills) << c.what;
    EXPECT_EQ(t.w.equipmentCBills, before.equipmentCBills) << c.what;
    EXPECT_EQ(t.w.assetWorth, before.assetWorth) << c.what;
    EXPECT_EQ(t.w.assetWorthText, before.assetWorthText) << c.what;
  }
}

TEST_F(GearTest, GearTheCatalogueDoesNotKnowGoesWithoutARefund) {
  w.equipment = {{"Relic Lantern", "2"}, {"Rope", "0"}};
  w.selections.equipment = "Relic Lantern";
  removeGear(ctx, GearKind::Equipment, GearCatalogue{});
  EXPECT_EQ(w.equipment, (std::vector<GearEntry>{{"Relic Lantern", "1"}, {"Rope", "0"}}));
  expectMoney("200", "500", "0");
  // A quantity below 1 from a damaged file goes at once instead of counting down forever.
  w.selections.equipment = "Rope";
  removeGear(ctx, GearKind::Equipment, GearCatalogue{});
  EXPECT_EQ(w.equipment, (std::vector<GearEntry>{{"Relic Lantern", "1"}}));
  EXPECT_TRUE(prompter.log.empty());
  // Equipment asks for its own selection.
  w.selections.equipmentRow.clear();
  buyGear(ctx, GearKind::Equipment, GearCatalogue{});
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{kSelectEquipmentToAdd});
}
