// The readers of the speciality file and the package file.
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "TestPaths.h"
#include "core/catalogue/SkillCatalogue.h"
#include "core/files/PackageFile.h"
#include "core/files/SkillFile.h"
#include "core/files/SpecialityFile.h"
#include "core/files/TrainingRecords.h"
#include "core/skills/SpecialityPicking.h"

namespace dk {
namespace {

using Names = std::vector<std::string>;

Result<std::vector<Speciality>> specialities(std::string_view text) {
  return parseSpecialities(splitDataItems(text, kMaxTrainingFileItems + 1));
}
Result<std::vector<SkillPackage>> packages(std::string_view text) {
  return parsePackages(splitDataItems(text, kMaxTrainingFileItems + 1));
}

// n filler items, one per line.
std::string filler(int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += "x\r\n";
  return out;
}

TEST(SpecialityFile, ReadsRecordsWhateverTheThirdItemAndSkipsWhatLiesBetween) {
  const Result<std::vector<Speciality>> table = specialities(
      "Comment before the first record\r\n"
      "Start MechWarrior\r\n2\r\n\"Pilots, gunners and their lances\"\r\n"
      "Gunnery/BattleMech\r\nPiloting/BattleMech\r\nTactics\r\n"
      "Electives\r\nTech/BattleMech\r\nNavigation\r\nEnd\r\n"
      "\r\n"
      "Start Field Medic\n0\n7\nMedtech\nElectives\nEnd");  // no line end after the last item
  ASSERT_TRUE(table.message().empty()) << table.message();
  ASSERT_EQ(table.valueOr({}).size(), 2u);
  EXPECT_EQ(table.valueOr({})[0],
            (Speciality{"MechWarrior",
                        2,
                        {"Gunnery/BattleMech", "Piloting/BattleMech", "Tactics"},
                        {"Tech/BattleMech", "Navigation"}}));
  EXPECT_EQ(table.valueOr({})[1], (Speciality{"Field Medic", 0, {"Medtech"}, {}}));
}

TEST(SpecialityFile, RefusesADamagedFileWholeNamingTheLineAndTheFault) {
  const std::string good = "Start Scout\r\n1\r\n-\r\nStealth\r\nTracking\r\nElectives\r\nEnd\r\n";
  struct Case {
    std::string text;
    std::string fault;
  };
  const Case cases[] = {
      {good + "Start Tech\r\n0\r\n-\r\nTech/Mechanic\r\nEnd\r\n",
       "line 12: \"Tech\" ends before its \"Electives\""},
      {good + "Start Tech\r\n0\r\n-\r\nElectives\r\nComputers\r\n",
       "line 8: \"Tech\" has no \"End\""},
      {"Start Tech\r\n0\r\n-\r\nTech/Mechanic\r\n" + good, "line 1: \"Tech\" has no \"Electives\""},
      {good + "Start Tech\r\ntwo\r\n-\r\nElectives\r\nEnd\r\n",
       "line 9: the required count of \"Tech\" is not a whole number"},
      {good + "Start Tech\r\n-1\r\n-\r\nElectives\r\nEnd\r\n",
       "line 9: the required count of \"Tech\" is not a whole number"},
      {good + "Start Tech\r\n3\r\n-\r\nA\r\nB\r\nElectives\r\nEnd\r\n",
       "line 8: \"Tech\" asks for 3 required skills but names only 2"},
      {good + "Start Tech\r\n0\r\n", "line 8: \"Tech\" is cut short"},
      {good + "Start \r\n0\r\n-\r\nElectives\r\nEnd\r\n", "line 8: a speciality has no name"},
      {good + "Start Scout\r\n0\r\n-\r\nElectives\r\nEnd\r\n",
       "line 8: a second speciality is named \"Scout\""},
      {good + "Start Tech\r\n0\r\n-\r\nComputers\r\nComputers\r\nElectives\r\nEnd\r\n",
       "line 12: \"Tech\" names the required skill \"Computers\" twice"},
      {good + "Start Tech\r\n0\r\n-\r\nElectives\r\n\r\nEnd\r\n",
       "line 12: \"Tech\" has an empty skill name"},
  };
  for (const Case& c : cases) {
    const Result<std::vector<Speciality>> table = specialities(c.text);
    EXPECT_TRUE(table.valueOr({}).empty()) << c.fault;
    EXPECT_EQ(table.message(), "The data file \"ismosfos.dat\" is damaged at " + c.fault + ".");
  }
}

TEST(SpecialityFile, KeepsToTheLimitsOfItemsRecordsAndNames) {
  // 256 items are read; the 257th makes the file too long.
  const std::string record = "Start A\n0\n-\nElectives\nEnd\n";  // 5 items
  EXPECT_TRUE(specialities(record + filler(251)).message().empty());
  EXPECT_EQ(specialities(record + filler(252)).message(),
            "The data file \"ismosfos.dat\" is damaged at line 257: it holds more than 256 "
            "items.");

  // The smallest record has five items, so 51 of them just fit and a 52nd breaks the item limit.
  std::string many;
  for (int i = 1; i <= 51; ++i) many += "Start S" + std::to_string(i) + ",0,-,Electives,End\n";
  EXPECT_EQ(specialities(many).valueOr({}).size(), 51u);
  EXPECT_NE(
      specialities(many + "Start S52,0,-,Electives,End\n").message().find("more than 256 items"),
      std::string::npos);

  std::string names;
  for (int i = 1; i <= 52; ++i) names += ",Skill" + std::to_string(i);
  EXPECT_EQ(specialities("Start Big,0,-,Electives" + names + ",End").message(),
            "The data file \"ismosfos.dat\" is damaged at line 1: \"Big\" names more than 51 "
            "elective skills.");
  names.erase(names.rfind(','));
  EXPECT_EQ(specialities("Start Big,0,-" + names + ",Electives,End").valueOr({})[0].required.size(),
            51u);
}

TEST(PackageFile, ReadsPairsUntilAnEndWhereANameIsExpected) {
  const Result<std::vector<SkillPackage>> table = packages(
      "Start Frontier Scout\r\n9\r\nSurvival\r\n2\r\nTracking\r\n1\r\n\"Blade\",\" 2\"\r\n"
      "End\r\n"
      "stray text between records\r\n"
      "Start Dockhand\r\n4\r\nEnd\r\n");
  ASSERT_TRUE(table.message().empty()) << table.message();
  ASSERT_EQ(table.valueOr({}).size(), 2u);
  EXPECT_EQ(
      table.valueOr({})[0],
      (SkillPackage{"Frontier Scout", 9, {{"Survival", "2"}, {"Tracking", "1"}, {"Blade", "2"}}}));
  EXPECT_EQ(table.valueOr({})[1], (SkillPackage{"Dockhand", 4, {}}));
}

TEST(PackageFile, RefusesADamagedFileWholeNamingTheLineAndTheFault) {
  const std::string good = "Start Dockhand\r\n4\r\nAthletics\r\n1\r\nEnd\r\n";
  struct Case {
    std::string text;
    std::string fault;
  };
  const Case cases[] = {
      {good + "Start Pilot\r\n9\r\nPiloting/Aerospace\r\n2\r\n",
       "line 6: \"Pilot\" has no \"End\""},
      {"Start Pilot\r\n9\r\nNavigation\r\n1\r\n" + good, "line 1: \"Pilot\" has no \"End\""},
      {good + "Start Pilot\r\nnine\r\nEnd\r\n",
       "line 7: the cost of \"Pilot\" is not a whole number"},
      {good + "Start Pilot\r\n9\r\nNavigation\r\n1\r\nNavigation\r\n2\r\nEnd\r\n",
       "line 10: \"Pilot\" names the skill \"Navigation\" twice"},
      // "End" in the place of a level is a level, and not a number.
      {good + "Start Pilot\r\n9\r\nNavigation\r\nEnd\r\n",
       "line 9: the level of \"Navigation\" in \"Pilot\" is not a whole number of 1 or more"},
      {good + "Start Pilot\r\n9\r\nNavigation\r\n0\r\nEnd\r\n",
       "line 9: the level of \"Navigation\" in \"Pilot\" is not a whole number of 1 or more"},
      {good + "Start Pilot\r\n9\r\nNavigation",
       "line 8: the skill \"Navigation\" of \"Pilot\" has no level"},
      {good + "Start\r\n9\r\nEnd\r\n", "line 6: a package has no name"},
  };
  for (const Case& c : cases) {
    const Result<std::vector<SkillPackage>> table = packages(c.text);
    EXPECT_TRUE(table.valueOr({}).empty()) << c.fault;
    EXPECT_EQ(table.message(), "The data file \"ispack.dat\" is damaged at " + c.fault + ".");
  }

  std::string many;
  for (int i = 1; i <= 52; ++i) many += "Start P" + std::to_string(i) + ",1,End\n";
  EXPECT_NE(packages(many).message().find("line 52: it holds more than 51 packages"),
            std::string::npos);
  std::string pairs;
  for (int i = 1; i <= 52; ++i) pairs += ",Skill" + std::to_string(i) + ",1";
  EXPECT_NE(packages("Start Big,1" + pairs + ",End").message().find("names more than 51 skills"),
            std::string::npos);
  EXPECT_NE(packages("Start A,1,End\n" + filler(254)).message().find("more than 256 items"),
            std::string::npos);
}

TEST(TrainingFiles, AMissingFileIsOneMessageAndAnEmptyTable) {
  const std::string missing = ::testing::TempDir() + "/no-such-folder/ismosfos.dat";
  const Result<std::vector<Speciality>> s = loadSpecialities(missing);
  EXPECT_TRUE(s.valueOr({}).empty());
  EXPECT_EQ(s.message().rfind("The data file \"ismosfos.dat\" could not be read: ", 0), 0u);
  const Result<std::vector<SkillPackage>> p =
      loadPackages(::testing::TempDir() + "/no-such-folder/ispack.dat");
  EXPECT_TRUE(p.valueOr({}).empty());
  EXPECT_EQ(p.message().rfind("The data file \"ispack.dat\" could not be read: ", 0), 0u);

  const std::string path = ::testing::TempDir() + "/cp1252-ispack.dat";
  std::ofstream(path, std::ios::binary) << "Start Caf\xE9 Crew,3,Bureaucracy,1,End\r\n";
  EXPECT_EQ(loadPackages(path).valueOr({}).at(0).name, "Caf\u00e9 Crew");  // Windows-1252
}

TEST(TrainingFiles, TheShippedFilesReadCleanlyAndNameOnlyCatalogueSkills) {
  const auto catalogue = readSkillCatalogue((std::string(DRAKKENFOLD_DATA) + "/skills.dat"));
  ASSERT_TRUE(catalogue.ok()) << catalogue.message();
  std::set<std::string> known;
  for (const CatalogueSkill& skill : catalogue->skills) known.insert(skill.name);
  std::vector<std::string> named(kCommonRequiredSkills.begin(), kCommonRequiredSkills.end());
  named.insert(named.end(), kCommonElectives.begin(), kCommonElectives.end());

  const Result<std::vector<Speciality>> s =
      loadSpecialities((std::string(DRAKKENFOLD_DATA) + "/ismosfos.dat"));
  ASSERT_TRUE(s.message().empty()) << s.message();
  EXPECT_GE(s.valueOr({}).size(), 6u);
  bool allGiven = false, chosen = false;
  for (const Speciality& speciality : s.valueOr({})) {
    (speciality.requiredCount == 0 ? allGiven : chosen) = true;
    named.insert(named.end(), speciality.required.begin(), speciality.required.end());
    named.insert(named.end(), speciality.electives.begin(), speciality.electives.end());
  }
  EXPECT_TRUE(allGiven && chosen);

  const Result<std::vector<SkillPackage>> p =
      loadPackages((std::string(DRAKKENFOLD_DATA) + "/ispack.dat"));
  ASSERT_TRUE(p.message().empty()) << p.message();
  std::set<std::int16_t> costs;
  for (const SkillPackage& package : p.valueOr({})) {
    costs.insert(package.cost);
    for (const SkillPackageEntry& skill : package.skills) named.push_back(skill.name);
  }
  EXPECT_GE(costs.size(), 4u);
  for (const std::string& name : named) EXPECT_TRUE(known.count(name)) << name;
  // The item limit holds with room to spare (the readers refuse a file past it).
  for (const char* file : {"/ismosfos.dat", "/ispack.dat"})
    EXPECT_LE(readDataFileItems(std::string(DRAKKENFOLD_DATA) + file)->size(),
              kMaxTrainingFileItems);
}

}  // namespace
}  // namespace dk
