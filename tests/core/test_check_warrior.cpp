// Check Warrior over warrior files edited by hand: each breach is found once, with its numbers;
// what the gamemaster's own commands explain is asked about, not called a breach; a file the
// program wrote from its commands has no finding at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "FakePrompter.h"
#include "TestPaths.h"
#include "core/app/CheckWarrior.h"
#include "core/app/WindowLoad.h"
#include "core/budget/Priorities.h"
#include "core/character/Attributes.h"
#include "core/files/WarriorFile.h"
#include "core/gear/Advantages.h"
#include "core/gear/Gear.h"
#include "core/skills/SkillAreas.h"
#include "core/util/Numeric.h"

using namespace dk;

namespace {

// A warrior built with the commands: attributes, skills and advantages at 2, Build raised twice,
// Blade bought, Title taken, a weapon bought.
Warrior commandMade(SharedState& shared) {
  Warrior w;
  test::FakePrompter prompter;
  RuleContext ctx{w, shared, prompter};
  loadWindowCatalogues(ctx);
  for (Pool p : {kAttributes, kSkills, kAdvantages}) setPriorityLevel(ctx, p, 2);
  raiseAttribute(ctx, kBLD), raiseAttribute(ctx, kBLD);
  clickSkillList(w, SkillArea::InnerSphere, "Blade");
  addSkillPoint(ctx, SkillArea::InnerSphere);
  w.selections.advantage = "Title";
  buyAdvantage(ctx);
  doubleClickCatalogueGear(ctx, GearKind::Weapons, *shared.weaponCatalogue,
                           shared.weaponCatalogue->rows.front().name);
  return w;
}

// The findings of a warrior once written to a file and read back.
std::vector<Finding> checked(const Warrior& w, const CheckCatalogues& catalogues) {
  const ReadOutcome read = parseWarriorFile(formatWarriorFile(w, "/t/w.war"), "/t/w.war");
  Warrior opened = read.opened->warrior;
  opened.priorityLevel = read.opened->levels;
  return checkWarrior(opened, catalogues);
}

struct Edit {
  std::function<void(Warrior&)> edit;
  Finding found;
};

}  // namespace

// clang-format off
TEST(CheckWarrior, EachHandEditIsFoundOnceWithItsNumbers) {
  SharedState shared;
  shared.dataFolder = DRAKKENFOLD_DATA;
  const Warrior made = commandMade(shared);
  const CheckCatalogues catalogues = readCheckCatalogues({DRAKKENFOLD_DATA, {}});
  EXPECT_EQ(checked(made, catalogues), std::vector<Finding>{});
  const std::int32_t price = made.assetWorth;  // of the one weapon bought
  const Edit edits[] = {
      {[](Warrior& w) { w.priorityGrant[kAttributes] = "30"; },
       {"priorities", "what the attributes priority grants reads \"30\" where level 2 grants \"24\""}},
      {[](Warrior& w) { w.pointsLeft = "-3"; },
       {"priorities", "the priority levels cost 6 points, 3 more than the maximum of 3"}},
      {[](Warrior& w) { w.pointsLeft = "99999999999999999999"; },
       {"priorities", "the priority maximum is 2147483653, not 10 (set by the gamemaster?)", false}},
      {[](Warrior& w) { w.pointsLeft = "9"; },
       {"priorities", "the priority maximum is 15, not 10 (set by the gamemaster?)", false}},
      {[](Warrior& w) { w.attributeScore.fill("6"); },
       {"attributes", "the scores cost 36 attribute points, 12 more than the 24 the attributes "
                      "priority grants"}},
      {[](Warrior& w) { w.freeAttributePoints = "20"; },
       {"attributes", "the free attribute points read 20, more than the 16 the grant leaves after "
                      "the scores"}},
      {[](Warrior& w) { w.attributeScore[kCHA] = "7"; },
       {"attributes", "Charisma is 7 bought, above 6 without Exceptional Attribute"}},
      {[](Warrior& w) { w.characteristic[kMental] = "3"; },
       {"attributes", "Mental reads \"3\" where the scores give 16"}},
      {[](Warrior& w) { w.innerSphere().skills.push_back({"Tactics", "6", "10"}); },
       {"skills", "the Inner Sphere skills cost 22 skill points, 6 more than the 16 the skills "
                  "priority grants"}},
      {[](Warrior& w) { w.advantages.push_back({"Contact", "3"}); },
       {"advantages", "the advantages cost 4 advantage points, 2 more than the 2 the advantages "
                      "priority grants"}},
      {[](Warrior& w) { const std::string huge = "99999999999999999999";
                        w.advantages[0].level = huge, w.advantages.push_back({"Contact", huge}); },
       {"advantages", "the advantages cost 4294967294 advantage points, 4294967292 more than the "
                      "2 the advantages priority grants"}},
      {[](Warrior& w) { w.advantagePoints = "2"; },
       {"advantages", "the advantage points left read 2, more than the 1 the grant leaves after "
                      "the advantages"}},
      {[](Warrior& w) { w.advantages[0] = {"Bloodname", "1"}; },
       {"advantages", "\"Bloodname\" is for clan warriors only"}},
      {[](Warrior& w) { w.advantages[0] = {"Flight", "1"}; },
       {"advantages", "\"Flight\" is no advantage of the game"}},
      {[](Warrior& w) { w.edge = "3"; },
       {"advantages", "Edge is 3, more than the 1 every warrior has"}},
      {[](Warrior& w) { w.cBillsText = "9000"; },
       {"money", "the C-Bills read \"9000\" where the amount is 200"}},
      {[price](Warrior& w) { w.assetWorth = price + 50, w.assetWorthText = toText(price + 50); },
       {"money", "the asset worth is " + toText(price + 50) + " where the gear owned is worth " +
                     toText(price)}},
      {[](Warrior& w) { w.equipmentCBills += 1000, w.equipmentCBillsText = toText(w.equipmentCBills); },
       {"money", "the equipment C-Bills are " + toText(made.equipmentCBills + 1000) +
                     ", and with the gear 1500, more than the 500 the starting sum and "
                     "Well-Equipped give"}},
      {[](Warrior& w) { w.cBills = 9000, w.cBillsText = "9000"; },
       {"money", "the C-Bills are 9000, 8800 more than the starting money, the advantages and "
                 "the gear leave (set by the gamemaster?)", false}},
  };
  for (const Edit& e : edits) {
    Warrior w = made;
    e.edit(w);
    const std::vector<Finding> found = checked(w, catalogues);
    EXPECT_EQ(std::count(found.begin(), found.end(), e.found), 1) << e.found.text << "\n"
                                                                 << checkReport(found);
    EXPECT_EQ(keepsEveryRule(found), !e.found.breach) << e.found.text;
  }
}
// clang-format on
