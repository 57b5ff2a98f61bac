// The table's own catalogues: read from the folders the environment names, added and replaced
// by name, limited, and left out whole with the first problem named when they do not read
// cleanly; the check before the game finds what a typing mistake does.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "TestPaths.h"
#include "core/app/OwnCatalogues.h"
#include "core/catalogue/CatalogueMerge.h"

using namespace dk;
namespace fs = std::filesystem;

namespace {
// A data home and a shared folder of their own, named through the environment for the test.
class OwnFolders : public ::testing::Test {
 protected:
  // A folder per test: ctest runs the tests side by side.
  fs::path root = fs::path(::testing::TempDir()) /
                  ("own-catalogues-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  fs::path home = root / "home" / "drakkenfold" / "catalogues";
  fs::path shared = root / "shared" / "drakkenfold" / "catalogues";
  void SetUp() override {
    fs::remove_all(root);
    fs::create_directories(home);
    fs::create_directories(shared);
    setenv("XDG_DATA_HOME", (root / "home").c_str(), 1);
    setenv("XDG_DATA_DIRS", ("relative/skipped:" + (root / "shared").string()).c_str(), 1);
  }
  void TearDown() override {
    unsetenv("XDG_DATA_HOME");
    unsetenv("XDG_DATA_DIRS");
    fs::remove_all(root);
  }
  static void write(const fs::path& file, const std::string& text) { std::ofstream(file) << text; }
  CatalogueFolders folders() const { return {DRAKKENFOLD_DATA, ownCatalogueFolders()}; }
};
}  // namespace

TEST_F(OwnFolders, RecordsAreAddedAndReplacedInPlaceAndTheHomeFolderWins) {
  EXPECT_EQ(ownCatalogueFolders(), (std::vector<std::string>{shared.string(), home.string()}));
  const GearCatalogue shipped =
      readGearFile(GearKind::Weapons, CatalogueFolders{DRAKKENFOLD_DATA, {}}).valueOr({});
  write(shared / "weapons.dat",
        "Start Pistols\nHarrow Pocket Pistol,55,2\nHalloran Compact,50,2\nStart Exotic\nArc "
        "Caster,300,0\n");
  write(home / "weapons.dat", "Start Pistols\nHalloran Compact,40,2\n");
  write(home / "skills.dat", "Zero-G Operations,A\nBlade,P\n");
  const GearCatalogue weapons = readGearFile(GearKind::Weapons, folders()).valueOr({});
  // In place, and the home folder's price wins.
  ASSERT_EQ(weapons.rows[2].name, shipped.rows[2].name);
  EXPECT_EQ(weapons.find("Halloran Compact")->cost, "40");
  // A new pistol after the last pistol, with its ammunition; a new category at the end.
  const auto at = [&](const std::string& name) {
    return std::find_if(weapons.rows.begin(), weapons.rows.end(),
                        [&](const GearRow& r) { return r.name == name; }) -
           weapons.rows.begin();
  };
  EXPECT_EQ(weapons.rows[at("Harrow Pocket Pistol") - 1].type, "Pistols Ammo");
  EXPECT_EQ(weapons.rows[at("Harrow Pocket Pistol") + 2].type,
            shipped.rows[at("Harrow Pocket Pistol")].type);
  EXPECT_EQ(weapons.rows.back().name, "Arc Caster");
  const SkillCatalogue skills = readSkillCatalogue(folders()).valueOr({});
  EXPECT_EQ(skills.skills.back().name, "Zero-G Operations");
  EXPECT_EQ(getSkillCharacteristic(skills, "Blade"), "Physical");
  EXPECT_TRUE(ownCatalogueProblems(folders()).empty());
  EXPECT_EQ(ownCataloguesInUse(folders()).size(), 3u);
}

TEST_F(OwnFolders, AFileThatDoesNotReadCleanlyIsLeftOutWholeAndNamed) {
  write(home / "equipt.dat",
        "Start Armour\nPadded Jacket 45\nBallistic Vest,150\n");  // a comma lost
  write(home / "skills.dat", "Zero-G Operations,Q\n");
  write(home / "planets.dat", "Kestrel Prime\n");
  fs::create_symlink(root / "nowhere.dat", home / "ispack.dat");
  const auto problems = ownCatalogueProblems(folders());
  std::vector<std::string> told;
  for (const auto& p : problems) told.push_back(describeProblem(p, false));
  EXPECT_EQ(told, (std::vector<std::string>{
                      "skills.dat, line 1: the class \"Q\" of \"Zero-G Operations\" is not one "
                      "the skill table knows (P, A, M or S)",
                      "ispack.dat: it could not be read: the file does not exist",
                      "equipt.dat, line 2: the line holds 1 item; an equipment line holds 2: a "
                      "name and a price"}));
  // The shipped catalogues and the clean file still load.
  EXPECT_EQ(readGearFile(GearKind::Equipment, folders()).valueOr({}),
            readGearFile(GearKind::Equipment, CatalogueFolders{DRAKKENFOLD_DATA, {}}).valueOr({}));
  EXPECT_EQ(readPlanetList(folders()).valueOr({}).back(), "Kestrel Prime");
  EXPECT_EQ(ownCataloguesMessage(problems).substr(0, 41),
            "Catalogue files of your own, or records i");
}

TEST_F(OwnFolders, AMergedCatalogueKeepsItsLimitsAndNamesWhatIsLeftOut) {
  std::string many;
  for (int i = 0; i < 150; ++i) many += "House Skill " + std::to_string(i) + ",M\n";
  write(home / "skills.dat", many);
  std::vector<CatalogueProblem> problems;
  const SkillCatalogue skills = readSkillCatalogue(folders(), &problems).valueOr({});
  EXPECT_EQ(skills.skills.size(), 200u);
  ASSERT_FALSE(problems.empty());
  EXPECT_EQ(problems.front().text,
            "\"House Skill 103\" is left out: the catalogue holds at most 200");
  std::vector<std::string> leftOut;
  std::vector<std::string> planets{"A", "B"};
  mergeCatalogue(planets, {"B", "C", "D"}, 3, leftOut);
  EXPECT_EQ(planets, (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(leftOut, std::vector<std::string>{"D"});
}

// New entries go after the last of their category as it stands after the records before them
// (a replaced type counts); a name replaces its first entry, also one added just before; only
// the entries up to the first without a name take part. A list laid over itself stays as it is.
TEST(CatalogueMerge, GearEntriesFindTheirPlacesAmongTheRecordsBeforeThem) {
  const auto item = [](const char* name, const char* cost, const char* type) {
    return EquipmentItem{name, cost, type};
  };
  std::vector<EquipmentItem> into{item("A", "1", "T1"), item("B", "1", "T2"), item("A", "9", "T1"),
                                  item("", "0", "T1"), item("Z", "1", "T1")};
  const std::vector<EquipmentItem> more{
      item("C", "2", "T1"), item("D", "2", "T2"), item("C", "3", "T1"), item("B", "5", "T3"),
      item("E", "1", "T3"), item("", "0", "T1"),  item("F", "1", "T1")};
  std::vector<std::string> leftOut;
  mergeCatalogue(into, more, leftOut);
  EXPECT_EQ(into, (std::vector<EquipmentItem>{item("A", "1", "T1"), item("B", "5", "T3"),
                                              item("E", "1", "T3"), item("D", "2", "T2"),
                                              item("A", "9", "T1"), item("C", "3", "T1")}));
  std::vector<std::string> planets{"A", "B"};
  mergeCatalogue(planets, planets, 3, leftOut);
  EXPECT_EQ(planets, (std::vector<std::string>{"A", "B"}));
  EXPECT_TRUE(leftOut.empty());
}

TEST_F(OwnFolders, TheCheckBeforeTheGameFindsWhatATypingMistakeDoes) {
  write(shared / "equipt.dat", "Start Armour\n\"Vest, Heavy\",3OO\nGloves\n12\n");
  write(shared / "skills.dat", "Blade,P\nBlade,A\n");
  const DataCheck check = checkCatalogueData(shared.string(), folders());
  const std::string at = shared.string() + "/";
  EXPECT_EQ(check.lines,
            (std::vector<std::string>{
                // The reader's own fault at that line is told once.
                at + "skills.dat:2: \"Blade\" replaces the skill of line 1",
                at + "equipt.dat:2: the price \"3OO\" is not a whole number",
                at + "equipt.dat:3: the line holds 1 item; an equipment line holds 2: a name and a "
                     "price",
                at + "equipt.dat:4: the line holds 1 item; an equipment line holds 2: a name and a "
                     "price"}));
  EXPECT_FALSE(check.clean);
  const DataCheck shipped = checkCatalogueData(DRAKKENFOLD_DATA, folders());
  EXPECT_TRUE(shipped.clean);
  EXPECT_EQ(shipped.lines.front(), "No problems found.");
}
