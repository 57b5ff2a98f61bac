// The skill catalogue: reading "skills.dat", the class look-up and the catalogue lists of a
// window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "FakePrompter.h"
#include "TestPaths.h"
#include "core/files/SkillFile.h"
#include "core/skills/SkillAreas.h"

using namespace dk;
using dk::test::FakePrompter;

namespace {

Result<SkillCatalogue> parse(std::string_view text) {
  return parseSkillCatalogue(splitDataItems(text));
}

std::string manySkills(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "Skill " + std::to_string(i) + ",M\r\n";
  return text;
}

// A data folder of its own holding one skills file.
struct SkillsFolder {
  std::string path;
  SkillsFolder(const std::string& name, const std::string& text)
      : path(::testing::TempDir() + "/" + name) {
    std::filesystem::create_directories(path);
    std::ofstream(path + "/skills.dat", std::ios::binary) << text;
  }
  ~SkillsFolder() { std::filesystem::remove_all(path); }
};

}  // namespace

TEST(SkillCatalogue, CodesBecomeClassesOnlyForTheFourCapitalsAndLookupIgnoresCase) {
  const auto read = parse(
      "\r\nSmall Arms,P\r\nBlade,A\r\n\r\nTactics,M\r\nLeadership,S\r\n"
      "Odd,p\r\n\"Gunnery/Arc, Heavy\",X\r\n\r\n");
  ASSERT_EQ(read.message(), "");
  const std::vector<CatalogueSkill> expected{
      {"Small Arms", "P", "Physical"}, {"Blade", "A", "Athletic"}, {"Tactics", "M", "Mental"},
      {"Leadership", "S", "Social"},   {"Odd", "p", ""},           {"Gunnery/Arc, Heavy", "X", ""}};
  EXPECT_EQ(read.valueOr({}).skills, expected);  // blank lines are passed over
  EXPECT_EQ(shownCharacteristic(read.valueOr({}).skills[4]), "p");
  EXPECT_EQ(getSkillCharacteristic(read.valueOr({}), "SMALL arms"), "Physical");
  EXPECT_EQ(getSkillCharacteristic(read.valueOr({}), "Odd"), "");
  EXPECT_EQ(getSkillCharacteristic(read.valueOr({}), "Basket Weaving"), "");
  EXPECT_EQ(parse(manySkills(200))->skills.size(), 200u);
}

TEST(SkillCatalogue, ADamagedFileGivesNothingAndNamesLineAndFault) {
  const std::pair<std::string, std::string> cases[] = {
      {manySkills(201), "line 201: the catalogue holds more than 200 skills."},
      {"Blade,A\nTactics,M\nBlade,P\n", "line 3: the skill \"Blade\" is listed twice."},
      // A record without its code would otherwise take the next name as its code.
      {"Blade,A\nTactics\nLeadership,S\n",
       "line 2: the skill \"Tactics\" has no characteristic code."},
      {"Blade,A\nTactics", "line 2: the skill \"Tactics\" has no characteristic code."},
      {"Blade,A\n,M\n", "line 2: a skill has no name."},
  };
  for (const auto& [text, fault] : cases) {
    const auto read = parse(text);
    EXPECT_EQ(read.message(), "The data file \"skills.dat\" is damaged at " + fault) << text;
    EXPECT_TRUE(read.valueOr({}).skills.empty()) << text;
  }
}

TEST(SkillCatalogue, TheShippedFileHoldsEverySkillTheProgramNames) {
  const auto read = readSkillCatalogue((std::string(DRAKKENFOLD_DATA) + "/skills.dat"));
  ASSERT_EQ(read.message(), "");
  EXPECT_GE(read.valueOr({}).skills.size(), 60u);
  EXPECT_LE(read.valueOr({}).skills.size(), 120u);
  std::set<std::string> classes;
  for (const auto& s : read.valueOr({}).skills) classes.insert(s.classWord);
  EXPECT_EQ(classes, (std::set<std::string>{"Athletic", "Mental", "Physical", "Social"}));
  const char* used[] = {
      // clan packages
      "Blade", "Gunnery/Battle Armor", "Interrogation", "Medtech", "Piloting/Battle Armor",
      "Small Arms", "Survival", "Tactics", "Tech/Battlesuit", "Unarmed Combat", "Gunnery/Aerospace",
      "Piloting/Aerospace", "Tech/Aerospace", "Gunnery/BattleMech", "Leadership",
      "Piloting/BattleMech", "Tech/BattleMech",
      // common choices of the speciality picking, combat skills of Natural Aptitude
      "Bureaucracy", "Support Weapons", "Archery", "Throwing Weapons"};
  for (const char* name : used)
    EXPECT_FALSE(getSkillCharacteristic(read.valueOr({}), name).empty()) << name;
}

TEST(SkillCatalogue, WindowsLoadTheirListsAndOneTableAndKeepStoredRolls) {
  SkillsFolder good("good-skills", "Small Arms,P\r\nOdd,q\r\n");
  SharedState app;
  app.dataFolder = good.path;
  FakePrompter prompter;
  Warrior first, opened;
  opened.innerSphere().skills = {{"Small Arms", "2", "9"}};  // the roll as an opened file stored it
  RuleContext a{first, app, prompter}, b{opened, app, prompter};
  EXPECT_TRUE(loadSkills(a));
  EXPECT_TRUE(loadSkills(b));
  const std::vector<CatalogueRow> rows{{"Small Arms", "Physical"}, {"Odd", "q"}};
  EXPECT_EQ(first.innerSphere().list, rows);
  EXPECT_EQ(opened.clan().list, rows);
  EXPECT_EQ(app.skillCatalogue.skills.size(), 2u);
  EXPECT_EQ(opened.innerSphere().skills[0].roll, "9");
  EXPECT_TRUE(prompter.log.empty());

  // A missing or damaged file: one message, empty lists, and the table an earlier sound read
  // left stays for the rolls of the other windows.
  SkillsFolder damaged("damaged-skills", "Small Arms,P\r\nSmall Arms,P\r\n");
  for (const std::string& folder : {good.path + ".missing", damaged.path}) {
    app.dataFolder = folder;
    Warrior fresh;
    RuleContext ctx{fresh, app, prompter};
    prompter.clear();
    EXPECT_FALSE(loadSkills(ctx));
    ASSERT_EQ(prompter.log.size(), 1u);
    EXPECT_EQ(prompter.log[0].icon, MessageIcon::Information);
    EXPECT_TRUE(fresh.innerSphere().list.empty() && fresh.clan().list.empty());
    EXPECT_EQ(getSkillCharacteristic(app.skillCatalogue, "Small Arms"), "Physical");
  }
  EXPECT_EQ(prompter.log[0].text,
            "The data file \"skills.dat\" is damaged at line 2: the skill "
            "\"Small Arms\" is listed twice.");
}
