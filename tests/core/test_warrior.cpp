// The warrior record: starting values and the advantage list operations.
#include <gtest/gtest.h>

#include "core/model/Warrior.h"

using namespace dk;

TEST(WarriorRecord, ANewWarriorHasTheStartingValues) {
  Warrior w;
  for (int p = 0; p < kPoolCount; ++p) EXPECT_EQ(w.priorityLevel[p], 0);
  EXPECT_EQ(w.priorityGrant, (std::array<std::string, 5>{"Human", "18", "8", "0", "Dispossessed"}));
  EXPECT_EQ(w.pointsLeft, "10");
  for (const auto& s : w.attributeScore) EXPECT_EQ(s, "1");
  EXPECT_EQ(w.freeAttributePoints, "18");
  for (const auto& c : w.characteristic) EXPECT_EQ(c, "16");
  EXPECT_EQ(w.thresholdHead, "0");
  EXPECT_EQ(w.thresholdLeg, "0");
  EXPECT_EQ(w.advantagePoints, "0");
  EXPECT_EQ(w.edge, "1");
  EXPECT_EQ(w.edgeUsed, "0");
  EXPECT_EQ(w.sex, "Male");
  EXPECT_EQ(w.cBills, 200);
  EXPECT_EQ(w.equipmentCBills, 500);
  EXPECT_EQ(w.assetWorth, 0);
  EXPECT_EQ(w.cBillsText, "200");
  EXPECT_EQ(w.equipmentCBillsText, "500");
  EXPECT_EQ(w.assetWorthText, "0");
  EXPECT_TRUE(w.innerSphere().skills.empty() && w.clan().skills.empty() && w.advantages.empty());
  EXPECT_TRUE(w.weapons.empty() && w.equipment.empty());
  EXPECT_TRUE(w.innerSphere().pool.empty() && w.clan().pool.empty());
  EXPECT_FALSE(w.reservedFlag);
  EXPECT_TRUE(w.raceModsAddable);
  EXPECT_FALSE(w.raceModsRemovable);
  for (const auto& row : w.damageBoxes)
    for (auto v : row) EXPECT_EQ(v, 0);
}

TEST(WarriorRecord, CaptionFollowsTheName) {
  Warrior w;
  EXPECT_EQ(warriorCaption(w), "Warrior: ");
  w.name = "Kai, the Second";
  EXPECT_EQ(warriorCaption(w), "Warrior: Kai, the Second");
}

TEST(AdvantageList, AddAdvAppendsOrSetsTheLevelOfTheLastMatch) {
  Warrior w;
  w.addAdv("Toughness", 2);
  w.addAdv("Title", 1);
  ASSERT_EQ(w.advantages.size(), 2u);
  EXPECT_EQ(w.advantages[0], (AdvantageEntry{"Toughness", "2"}));
  w.addAdv("Title", 3);
  ASSERT_EQ(w.advantages.size(), 2u);
  EXPECT_EQ(w.advantages[1].level, "3");
  // Two rows of one name (possible from a file): the last one is changed and read.
  w.advantages.push_back({"Toughness", "5"});
  w.addAdv("Toughness", 7);
  EXPECT_EQ(w.advantages[0].level, "2");
  EXPECT_EQ(w.advantages[2].level, "7");
  EXPECT_EQ(w.getAdvLvl("Toughness"), 7);
}

TEST(AdvantageList, NaturalAptitudeCarriesItsSkillInTheName) {
  Warrior w;
  w.aptitudeSkill = "Blade";
  EXPECT_FALSE(w.haveAdv("Natural Aptitude"));
  w.addAdv("Natural Aptitude", 3);
  ASSERT_EQ(w.advantages.size(), 1u);
  EXPECT_EQ(w.advantages[0].name, "Natural Aptitude (Blade)");
  EXPECT_TRUE(w.haveAdv("Natural Aptitude"));
  EXPECT_TRUE(w.haveAdv("Natural Aptitude (Blade)"));
  EXPECT_FALSE(w.haveAdv("Natural Aptitude (Gunnery)"));
  // Exact, case-sensitive names elsewhere.
  w.addAdv("Toughness", 2);
  EXPECT_FALSE(w.haveAdv("toughness"));
  EXPECT_FALSE(w.haveAdv("Tough"));
}

TEST(AdvantageList, RemoveAndLevelOfMissingRows) {
  Warrior w;
  EXPECT_EQ(w.getAdvLvl("Toughness"), 0);
  w.removeAdv("Toughness");  // nothing there: nothing happens
  EXPECT_TRUE(w.advantages.empty());
  w.addAdv("Ambidextrous", 1);
  w.addAdv("Toughness", 2);
  w.addAdv("Title", 2);
  w.removeAdv("Toughness");
  ASSERT_EQ(w.advantages.size(), 2u);
  EXPECT_EQ(w.advantages[0].name, "Ambidextrous");
  EXPECT_EQ(w.advantages[1].name, "Title");
  EXPECT_FALSE(w.haveAdv("Toughness"));
}
