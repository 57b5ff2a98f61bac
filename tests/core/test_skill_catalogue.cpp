// The skill catalogue: reading "skills.dat", the class look-up and the catalogue lists of a
// window.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>

#include "FakePrompter.h"
#include "skills/SkillAreas.h"
#include "skills/SkillCatalogue.h"

using namespace dk;
using dk::test::FakePrompter;

namespace {

SkillCatalogueRead parse(std::string_view text) { return parseSkillCatalogue(splitDataItems(text)); }

std::string manySkills(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "Skill " + std::to_string(i) + ",M\r\n";
  return text;
}

struct TempFile {
  std::string path = ::testing::TempDir() + "skills_test.dat";
  explicit TempFile(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  ~TempFile() { std::remove(path.c_str()); }
};

}  // namespace

TEST(SkillCatalogue, CodesBecomeClassWordsOnlyForTheFourCapitals) {
  const auto read = parse("Small Arms,P\r\nBlade,A\r\nTactics,M\r\nLeadership,S\r\n"
                          "Odd,p\r\n\"Gunnery/Arc, Heavy\",X\r\n");
  ASSERT_EQ(read.fault, "");
  const std::vector<CatalogueSkill> expected{
      {"Small Arms", "P", "Physical"}, {"Blade", "A", "Athletic"},
      {"Tactics", "M", "Mental"},      {"Leadership", "S", "Social"},
      {"Odd", "p", ""},                {"Gunnery/Arc, Heavy", "X", ""}};
  EXPECT_EQ(read.catalogue.skills, expected);
  EXPECT_EQ(shownCharacteristic(read.catalogue.skills[4]), "p");  // shown as read, no class
  EXPECT_EQ(shownCharacteristic(read.catalogue.skills[0]), "Physical");
}

TEST(SkillCatalogue, LookupIgnoresCaseAndKnowsNothingOfStrangers) {
  const auto catalogue = parse("Small Arms,P\nOdd,p\n").catalogue;
  EXPECT_EQ(GetSkillCharacteristic(catalogue, "small arms"), "Physical");
  EXPECT_EQ(GetSkillCharacteristic(catalogue, "SMALL ARMS"), "Physical");
  EXPECT_EQ(GetSkillCharacteristic(catalogue, "Odd"), "");
  EXPECT_EQ(GetSkillCharacteristic(catalogue, "Basket Weaving"), "");
  EXPECT_EQ(GetSkillCharacteristic(SkillCatalogue{}, "Small Arms"), "");
}

TEST(SkillCatalogue, TwoHundredSkillsFitAndBlankLinesArePassedOver) {
  auto read = parse(manySkills(200));
  EXPECT_EQ(read.fault, "");
  EXPECT_EQ(read.catalogue.skills.size(), 200u);
  read = parse("\r\nBlade,A\r\n\r\n\r\nTactics,M\r\n\r\n");
  EXPECT_EQ(read.fault, "");
  EXPECT_EQ(catalogueSkillNames(read.catalogue), (std::vector<std::string>{"Blade", "Tactics"}));
}

TEST(SkillCatalogue, ADamagedFileGivesNothingAndNamesLineAndFault) {
  struct Case {
    std::string text;
    std::string fault;
  };
  const Case cases[] = {
      {manySkills(201),
       "The data file \"skills.dat\" is damaged at line 201: the catalogue holds more than 200 "
       "skills."},
      {"Blade,A\nTactics,M\nBlade,P\n",
       "The data file \"skills.dat\" is damaged at line 3: the skill \"Blade\" is listed twice."},
      // A record without its code would take the next name as its code.
      {"Blade,A\nTactics\nLeadership,S\n",
       "The data file \"skills.dat\" is damaged at line 2: the skill \"Tactics\" has no "
       "characteristic code."},
      {"Blade,A\nTactics", "The data file \"skills.dat\" is damaged at line 2: the skill "
                           "\"Tactics\" has no characteristic code."},
      {"Blade,A\n,M\n", "The data file \"skills.dat\" is damaged at line 2: a skill has no name."},
  };
  for (const Case& c : cases) {
    const auto read = parse(c.text);
    EXPECT_EQ(read.fault, c.fault) << c.text;
    EXPECT_TRUE(read.catalogue.skills.empty()) << c.text;
  }
}

TEST(SkillCatalogue, TheShippedFileHoldsEverySkillTheProgramNames) {
  const auto read = readSkillCatalogue(DRAKKENFOLD_DATA "/skills.dat");
  ASSERT_EQ(read.fault, "");
  const auto& skills = read.catalogue.skills;
  EXPECT_GE(skills.size(), 60u);
  EXPECT_LE(skills.size(), 120u);
  std::set<std::string> classes;
  for (const auto& s : skills) classes.insert(s.classWord);
  EXPECT_EQ(classes, (std::set<std::string>{"Athletic", "Mental", "Physical", "Social"}));
  const char* used[] = {
      // clan packages
      "Blade", "Gunnery/Battle Armor", "Interrogation", "Medtech", "Piloting/Battle Armor",
      "Small Arms", "Survival", "Tactics", "Tech/Battlesuit", "Unarmed Combat",
      "Gunnery/Aerospace", "Piloting/Aerospace", "Tech/Aerospace", "Gunnery/BattleMech",
      "Leadership", "Piloting/BattleMech", "Tech/BattleMech",
      // common choices of the speciality picking, combat skills of Natural Aptitude
      "Bureaucracy", "Support Weapons", "Archery", "Throwing Weapons"};
  for (const char* name : used)
    EXPECT_FALSE(GetSkillCharacteristic(read.catalogue, name).empty()) << name;
}

TEST(SkillCatalogue, EveryWindowLoadFillsItsListsAndTheOneSharedTable) {
  TempFile file("Small Arms,P\r\nOdd,q\r\n");
  AppState app;
  FakePrompter prompter;
  Warrior first, second;
  RuleContext a{first, app, prompter}, b{second, app, prompter};
  EXPECT_TRUE(loadSkills(a, file.path));
  EXPECT_TRUE(loadSkills(b, file.path));
  const std::vector<CatalogueRow> rows{{"Small Arms", "Physical"}, {"Odd", "q"}};
  EXPECT_EQ(first.skillListIS, rows);
  EXPECT_EQ(first.skillListClan, rows);
  EXPECT_EQ(second.skillListIS, rows);
  EXPECT_EQ(app.skillCatalogue.skills.size(), 2u);
  EXPECT_TRUE(prompter.log.empty());
}

TEST(SkillCatalogue, AMissingOrDamagedFileIsReportedOnceAndLeavesTheListsEmpty) {
  AppState app;
  FakePrompter prompter;
  Warrior w;
  RuleContext ctx{w, app, prompter};
  TempFile good("Small Arms,P\r\n");
  ASSERT_TRUE(loadSkills(ctx, good.path));

  Warrior fresh;
  RuleContext other{fresh, app, prompter};
  EXPECT_FALSE(loadSkills(other, good.path + ".missing"));
  ASSERT_EQ(prompter.log.size(), 1u);
  EXPECT_EQ(prompter.log[0].text,
            "The data file \"skills.dat\" could not be read: the file does not exist.");
  EXPECT_EQ(prompter.log[0].icon, MessageIcon::Information);
  EXPECT_TRUE(fresh.skillListIS.empty());
  EXPECT_TRUE(fresh.skillListClan.empty());
  // What an earlier sound read left in the shared table stays for the other windows' rolls.
  EXPECT_EQ(GetSkillCharacteristic(app.skillCatalogue, "Small Arms"), "Physical");

  TempFile damaged("Small Arms,P\r\nSmall Arms,P\r\n");
  prompter.clear();
  EXPECT_FALSE(loadSkills(other, damaged.path));
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{"The data file \"skills.dat\" is damaged at line 2: the "
                                     "skill \"Small Arms\" is listed twice."});
}
