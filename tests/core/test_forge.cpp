// The gamemaster's forge: every random warrior keeps every rule, spends what it is given, saves
// and opens back as itself, and comes out the same for the same seed; its catalogues name their
// mistakes by line; a batch never writes over a file.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "FakePrompter.h"
#include "TestPaths.h"
#include "core/app/CheckWarrior.h"
#include "core/app/OwnCatalogues.h"
#include "core/app/WarriorDocument.h"
#include "core/app/WindowLoad.h"
#include "core/files/NameFile.h"
#include "core/files/ProfileFile.h"
#include "core/files/WarriorFile.h"
#include "core/forge/Forge.h"
#include "core/forge/RandomBatch.h"
#include "core/util/Numeric.h"

using namespace dk;
namespace fs = std::filesystem;

namespace {

// The shipped catalogues, read once, and a new warrior with its window's lists.
struct Forged : ::testing::Test {
  static void SetUpTestSuite() {
    shared = new SharedState;
    shared->dataFolder = DRAKKENFOLD_DATA;
    test::FakePrompter quiet;
    blank = new Warrior;
    RuleContext ctx{*blank, *shared, quiet};
    loadWindowCatalogues(ctx);
    profiles = new std::vector<Profile>(readProfiles(shared->catalogueFolders()).valueOr({}));
    names = new NameLists(readNameLists(shared->catalogueFolders()).valueOr({}));
    check = new CheckCatalogues{readCheckCatalogues(shared->catalogueFolders()).packages,
                                shared->weaponCatalogue, shared->equipmentCatalogue};
  }
  static Warrior forge(const ForgeRequest& request) {
    Warrior w = *blank;
    test::FakePrompter told;
    RuleContext ctx{w, *shared, told};
    forgeWarrior(ctx, request, *names, *shared->weaponCatalogue, *shared->equipmentCatalogue);
    EXPECT_TRUE(told.log.empty()) << "the forge answers for itself";
    return w;
  }
  static const Profile& named(const std::string& name) {
    for (const Profile& p : *profiles)
      if (p.name == name) return p;
    throw std::runtime_error("no profile " + name);
  }
  static inline SharedState* shared;
  static inline Warrior* blank;
  static inline std::vector<Profile>* profiles;
  static inline NameLists* names;
  static inline CheckCatalogues* check;
};

// The cheapest row of the catalogues that costs anything.
double cheapestGear() {
  double cheapest = 1e18;
  for (const auto* c :
       {Forged::shared->weaponCatalogue.get(), Forged::shared->equipmentCatalogue.get()})
    for (const GearRow& row : c->rows)
      if (auto price = readAmount(row.cost); price && *price > 0)
        cheapest = std::min(cheapest, *price);
  return cheapest;
}

std::size_t warriorsToForge() {
  // 10,000 by default; DK_FORGE_WARRIORS makes a quicker or a longer run.
  const char* n = std::getenv("DK_FORGE_WARRIORS");
  return n && *n ? std::strtoul(n, nullptr, 10) : 10000;
}

TEST_F(Forged, EveryWarriorKeepsEveryRuleSpendsItAllAndOpensAsItself) {
  ASSERT_EQ(profiles->size(), 5u);
  const double cheapest = cheapestGear();
  const std::size_t count = warriorsToForge();
  for (std::size_t i = 0; i < count; ++i) {
    // Every profile with every race, and with "Any".
    const Profile& profile = (*profiles)[i % profiles->size()];
    const int race = static_cast<int>((i / profiles->size()) % (kForgeRaces.size() + 1)) - 1;
    const ForgeRequest request{profile, race, 1000 + i};
    const Warrior w = forge(request);
    const std::string at =
        profile.name + ", race " + std::to_string(race) + ", seed " + std::to_string(request.seed);
    const std::vector<Finding> findings = checkWarrior(w, *check);
    ASSERT_TRUE(findings.empty()) << at << ":\n" << checkReport(findings);
    if (race >= 0) {
      ASSERT_EQ(w.priorityGrant[kRace], kForgeRaces[static_cast<std::size_t>(race)]) << at;
    }
    ASSERT_EQ(w.pointsLeft, "0") << at;
    ASSERT_TRUE(w.area(activeSkillArea(w)).pool.empty()) << at;
    ASSERT_LE(integerPart(w.freeAttributePoints), 1) << at;  // 1 only where INT alone is left
    ASSERT_EQ(w.advantagePoints, "0") << at;
    ASSERT_LT(w.cBillsTransferred ? w.cBills : w.equipmentCBills, cheapest) << at;
    ASSERT_EQ(w.notes, forgeNote(request));
    const auto bytes = formatWarriorFileChecked(w, "/crew/w.war");
    ASSERT_TRUE(bytes) << at << ": " << bytes.message();
    const ReadOutcome opened = parseWarriorFile(*bytes, "/crew/w.war");
    ASSERT_EQ(opened.status, ReadOutcome::Ok) << at;
    ASSERT_EQ(opened.opened->levels, w.priorityLevel) << at;
    Warrior back = opened.opened->warrior;  // the window sets the levels through the rules
    back.priorityLevel = opened.opened->levels;
    ASSERT_EQ(formatWarriorFile(back, "/crew/w.war"), *bytes) << at;
  }
}

TEST_F(Forged, TheSameSeedMakesTheSameWarriorAndTheNoteSaysHow) {
  const ForgeRequest scout{named("Scout"), -1, 4711};
  EXPECT_EQ(formatWarriorFile(forge(scout), ""), formatWarriorFile(forge(scout), ""));
  EXPECT_EQ(forge(scout).notes, "Random warrior, profile Scout, seed 4711");
  EXPECT_NE(forge(scout).name, forge({named("Scout"), -1, 4712}).name);
  EXPECT_EQ(forgeNote({named("Scout"), 2, 9}),
            "Random warrior, profile Scout, race Clan Pilot, seed 9");
}

TEST_F(Forged, UndoTakesTheWholeWarriorBackInOneStep) {
  test::FakePrompter told;
  WarriorDocument doc(Warrior{}, *shared, told);
  const Warrior before = doc.warrior();
  doc.run(forgeCommand({(*profiles)[0], -1, 5}, *names, doc.catalogue(GearKind::Weapons),
                       doc.catalogue(GearKind::Equipment)));
  EXPECT_TRUE(doc.modified());
  EXPECT_EQ(doc.undoLabel(), kRandomWarriorStep);
  doc.undo();
  EXPECT_EQ(doc.warrior(), before);
  EXPECT_FALSE(doc.canUndo());
  EXPECT_TRUE(told.log.empty());
}

std::string readerFault(bool profile, const std::string& text) {
  const auto items = splitDataItems(text);
  return profile ? parseProfile(items).message() : parseNameLists(items).message();
}

TEST(ForgeCatalogues, AMistakeIsNamedWithItsLine) {
  const struct {
    bool profile;
    std::string text;
    std::string fault;
  } cases[] = {
      {true, "Profile,A\nRace,Human,x\n",
       "line 2: the weight \"x\" is not a whole number from 0 to 1000"},
      {true, "Profile,A\nRace,Martian,1\n",
       "line 2: the race \"Martian\" is not one a profile knows (Human, Clan Drakkenfold, Clan "
       "Pilot or Clan Elemental)"},
      {true, "Profile,A\n# a remark\n\nSkil,Blade,1\n",
       "line 4: the keyword \"Skil\" is not one a profile knows (Profile, Race, Priority, "
       "Attribute, Training, Speciality, Package, Skill, Advantage, Gear, Rank, Transfer)"},
      {true, "Profile,A\nSkill,Blade,1\nSkill,Blade,2\n",
       "line 3: \"Skill,Blade\" is given already on line 2"},
      {true, "Profile,A\nGear,Rifles\n",
       "line 2: the line holds 2 items; a Gear line holds 3: \"Gear\", a name and a weight"},
      {true, "Profile,A\nTransfer,101\n",
       "line 2: the weight \"101\" is not a whole number from 0 to 100"},
      {true, "Race,Human,1\n", "it names no profile (a line \"Profile,<name>\")"},
      {true, "Profile,A\nRace,Human,0\n", "it gives no race a weight above 0"},
      {false, "Aldric\n", "line 1: a name comes before \"Start Given\" or \"Start Family\""},
      {false, "Start Given\nAldric\nAldric\n", "line 3: \"Aldric\" is given already on line 2"},
      {false, "Start Nick\n",
       "line 1: \"Start Nick\" is neither \"Start Given\" nor \"Start Family\""},
      {false, "Start Given\nAl,Bo\n",
       "line 2: the line holds 2 items; a name stands on a line of its own (in double quotes if it "
       "has a comma)"},
      {false, "\n", "it holds no name"},
  };
  for (const auto& c : cases) EXPECT_EQ(readerFault(c.profile, c.text), c.fault) << c.text;
  const auto read =
      parseProfile(splitDataItems("Profile,Crew\nRace,Clan Pilot,3\nSkill,Gunnery,4\n"));
  ASSERT_TRUE(read) << read.message();
  EXPECT_EQ(read->races, (std::array<int, 4>{0, 0, 3, 0}));  // only the races named
  EXPECT_EQ(forgeWeight(read->skills, "Gunnery/Aerospace"), 4);
  EXPECT_EQ(forgeWeight(read->skills, "Gunnery"), 4);
  EXPECT_EQ(forgeWeight(read->skills, "Gunnerysergeant"), 1);
}

TEST(ForgeCatalogues, OwnProfilesAndNamesAreLaidOverTheShippedOnesAndCheckedBeforeTheGame) {
  const fs::path own = fs::temp_directory_path() / ("dk-forge-own-" + std::to_string(::getpid()));
  fs::create_directories(own);
  std::ofstream(own / "scout.profile") << "Profile,Scout\nRank,Pathfinder,1\nSkill,Gunery,3\n";
  std::ofstream(own / "pirate.profile") << "Profile,Pirate\nRace,Human,lots\n";
  std::ofstream(own / "names.dat") << "Start Family\nQuillon\n";
  const CatalogueFolders folders{DRAKKENFOLD_DATA, {own.string()}};
  std::vector<CatalogueProblem> problems;
  const auto profiles = readProfiles(folders, &problems);
  ASSERT_EQ(profiles->size(), 5u);  // Scout replaced where it stood, the pirate left out
  EXPECT_EQ(profiles->at(3).ranks, (std::vector<ForgeWeight>{{"Pathfinder", 1}}));
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(describeProblem(problems.front(), false),
            "pirate.profile, line 2: the weight \"lots\" is not a whole number from 0 to 1000");
  EXPECT_EQ(readNameLists(folders)->family.back(), "Quillon");
  const DataCheck check = checkCatalogueData(std::nullopt, folders);
  EXPECT_EQ(check.lines, (std::vector<std::string>{
                             (own / "pirate.profile").string() +
                                 ":2: the weight \"lots\" is not a whole number from 0 to 1000",
                             (own / "scout.profile").string() +
                                 ": the profile \"Scout\" weights the skill \"Gunery\", which the "
                                 "catalogues do not hold"}));
  fs::remove_all(own);
}

TEST(ForgeBatch, TwoNamesThatMeetAreNumbered) {
  EXPECT_EQ(
      batchFileNames({"Ash", "Ash", "Ash 2", "Ash", "a/b"}),
      (std::vector<std::string>{"Ash.war", "Ash 2.war", "Ash 2 2.war", "Ash 3.war", "a_b.war"}));
}

class Batch : public Forged {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("dk-forge-" + std::to_string(::getpid()));
    fs::remove_all(folder);
  }
  void TearDown() override { fs::remove_all(folder); }
  fs::path folder;
};

TEST_F(Batch, WritesEveryWarriorLegalAndNeverOverAFile) {
  const RandomBatch batch{12, std::nullopt, 77, (folder / "crew").string()};
  const BatchOutcome made = writeRandomWarriors(batch, shared->catalogueFolders());
  ASSERT_EQ(made.exitCode, 0) << (made.err.empty() ? "" : made.err.front());
  std::size_t files = 0;
  for (const auto& entry : fs::directory_iterator(folder / "crew")) {
    ++files;
    const auto checked = checkWarriorFile(entry.path().string(), "w", *check);
    ASSERT_TRUE(checked && checked->legal) << entry.path();
  }
  EXPECT_EQ(files, 12u);
  // The same batch again: every name is taken, so nothing at all is written.
  const auto before = fs::last_write_time(folder / "crew");
  const BatchOutcome again = writeRandomWarriors(batch, shared->catalogueFolders());
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_EQ(again.err.size(), 13u);
  EXPECT_EQ(fs::last_write_time(folder / "crew"), before);
  // An unknown profile is a wrong command line; a folder that cannot be made writes nothing.
  EXPECT_EQ(
      writeRandomWarriors({1, "Pirate", 1, folder.string()}, shared->catalogueFolders()).exitCode,
      2);
  std::ofstream(folder / "file") << "x";
  EXPECT_EQ(writeRandomWarriors({1, std::nullopt, 1, (folder / "file" / "x").string()},
                                shared->catalogueFolders())
                .exitCode,
            1);
}

}  // namespace
