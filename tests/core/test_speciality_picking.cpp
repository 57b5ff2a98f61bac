// Training through specialities and skill packages in the Inner Sphere area: the required and
// elective phases, the switch to free purchase with its points, Delete MOS, Add and Del Package.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "FakePrompter.h"
#include "core/app/OpenWarrior.h"
#include "core/character/Race.h"
#include "core/files/WarriorFile.h"
#include "core/skills/ClanPackages.h"
#include "core/skills/SkillAreas.h"
#include "core/skills/SkillPackages.h"
#include "core/skills/SpecialityPicking.h"

using namespace dk;
using dk::test::FakePrompter;

namespace {
using Texts = std::vector<std::string>;
using Names = std::vector<std::string>;
using Levels = std::vector<std::int16_t>;
using Buttons = std::array<bool, kSkillButtonCount>;
using Skills = std::vector<SkillEntry>;

// Each test writes its own data folder: ctest runs the tests side by side.
std::string testFolder() {
  return ::testing::TempDir() + "/" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name();
}
std::string writeFile(const std::string& name, const std::string& text) {
  std::filesystem::create_directories(testFolder());
  const std::string path = testFolder() + "/" + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

struct PickingTest : ::testing::Test {
  Warrior w;
  SharedState app;
  FakePrompter prompter;
  RuleContext ctx{w, app, prompter};
  const std::string specialities = writeFile("ismosfos.dat", "");
  const std::string skills =
      writeFile("skills.dat",
                "Blade,A\nGunnery/BattleMech,P\nLeadership,S\nMedtech,M\n"
                "Small Arms,P\nTactics,M\nSurvival,M\nNavigation/Planetary,M\n");

  PickingTest() {
    app.dataFolder = testFolder();
    loadSkills(ctx);
    w.priorityGrant[kSkills] = "16";
    w.innerSphere().pool.assign(16, 1);
  }

  Names choices() const {
    Names names;
    for (const CatalogueRow& row : w.innerSphere().list) names.push_back(row.name);
    return names;
  }
  // The player clicks a level choice first, then the skill.
  void give(int poolRow, const std::string& skill) {
    clickSkillPoolIS(w, poolRow);
    clickSkillList(w, SkillArea::InnerSphere, skill);
    addSkillPointIS(ctx);
  }
  void pick(SpecialityChoice choice) {
    prompter.specialityAnswers.push_back(std::move(choice));
    pickMOS(ctx);
  }
};

const SpecialityChoice kMechWarrior{
    "MechWarrior",       1, "", 0, "Basic Academy Package", {"Gunnery/BattleMech", "Small Arms"},
    {"Tactics", "Blade"}};
// The skills of its required phase: its own two and one of the common choices.
const char* const kRequiredPicks[] = {"Gunnery/BattleMech", "Small Arms", "Medtech"};
}  // namespace

TEST_F(PickingTest, AWholeSpecialityFromRequiredSkillsToFreePoints) {
  w.innerSphere().skills = {{"Blade", "1", "15"}};  // thrown away by the choice
  pick(kMechWarrior);
  EXPECT_EQ(prompter.pickerPoints, std::vector<int>{16});
  EXPECT_EQ(w.skillStage, kSkillStagePickingMos);
  EXPECT_EQ(w.mosConfirmed, 1);
  EXPECT_EQ(w.requiredSkills[1], "Small Arms");
  EXPECT_EQ(w.requiredSkills[2], "");
  EXPECT_EQ(w.skillButtons, (Buttons{true, false, false, true, true, false}));
  EXPECT_TRUE(w.innerSphere().skills.empty());
  EXPECT_EQ(w.currentActivity, "Picking required skills for MechWarrior");
  // "Small Arms" is offered once; every choice shows its class.
  EXPECT_EQ(choices(), (Names{"Gunnery/BattleMech", "Small Arms", "Medtech"}));
  EXPECT_EQ(w.innerSphere().list[2].shown, "Mental");
  EXPECT_EQ(w.innerSphere().pool, (Levels{2, 2, 2, 1, 1, 1}));

  // A level first, then a skill; a click on the pool forgets the skill.
  addSkillPointIS(ctx);
  clickSkillList(w, SkillArea::InnerSphere, "Medtech");
  addSkillPointIS(ctx);
  clickSkillPoolIS(w, 0);
  addSkillPointIS(ctx);
  EXPECT_EQ(prompter.texts(), (Texts{"Pick Skill Packages", kSelectLevelChoice, kSelectLevelChoice,
                                     kSelectChoiceSkill}));

  give(0, "Gunnery/BattleMech");
  give(0, "Small Arms");
  give(3, "Medtech");  // a 1
  EXPECT_EQ(w.innerSphere().skills, (Skills{{"Gunnery/BattleMech", "2", "14"},
                                            {"Small Arms", "2", "14"},
                                            {"Medtech", "1", "15"}}));
  EXPECT_EQ(w.innerSphere().pool, (Levels{2, 1, 1}));
  EXPECT_TRUE(w.electivesAnnounced);
  EXPECT_EQ(w.currentActivity, "Picking electives for MechWarrior");
  EXPECT_EQ(choices(), (Names{"Tactics", "Blade", "Bureaucracy", "Leadership", "Support Weapons",
                              "Survival", "Unarmed Combat"}));

  // An elective may raise a required skill's level only if offered; Blade is new here.
  give(0, "Blade");
  give(0, "Tactics");
  EXPECT_EQ(w.skillStage, kSkillStagePickingMos);
  give(0, "Survival");
  // The level choices ran out with electives left: 16 - 9 free points.
  EXPECT_EQ(w.skillStage, kSkillStageFree);
  EXPECT_EQ(w.innerSphere().pool, Levels(7, 1));
  EXPECT_EQ(w.currentActivity, kPickingAdditionalSkills);
  EXPECT_EQ(w.innerSphere().list.size(), 8u);  // the whole catalogue again
  EXPECT_EQ(w.innerSphere().skills.size(), 6u);
  EXPECT_FALSE(w.skillsBought);

  // Free purchase from here on: raising Blade from 2 costs 3.
  clickSkillList(w, SkillArea::InnerSphere, "Blade");
  addSkillPointIS(ctx);
  EXPECT_EQ(findOwnedSkill(w.innerSphere().skills, "Blade")->level, "3");
  EXPECT_EQ(w.innerSphere().pool.size(), 4u);
}

TEST_F(PickingTest, TheLastElectiveTurnsUnusedChoicesIntoSinglePoints) {
  w.skillStage = kSkillStagePickingMos;
  w.packageName = "Basic Academy Package";
  w.innerSphere().training.price = 9;
  w.electivesAnnounced = true;
  w.innerSphere().list = {{"Survival", "Mental"}};
  w.innerSphere().pool = {2, 1};
  give(1, "Survival");
  EXPECT_EQ(w.innerSphere().pool, Levels(2 + 7, 1));
  EXPECT_EQ(w.skillStage, kSkillStageFree);
  EXPECT_EQ(w.currentActivity, kPickingAdditionalSkills);
  EXPECT_EQ(w.innerSphere().skills, (Skills{{"Survival", "1", "15"}}));
}

TEST_F(PickingTest, TwoSpecialitiesAreNamedTogetherAndTheirSkillsOfferedOnce) {
  SpecialityChoice both{"MechWarrior",
                        1,
                        "Scout",
                        3,
                        "Basic University Package",
                        {"Gunnery/BattleMech", "Medtech", "Tactics", "Gunnery/BattleMech"},
                        {"Navigation/Planetary", "Tactics", "Navigation/Planetary", "Blade"}};
  pick(both);
  EXPECT_EQ(w.currentActivity, "Picking required skills for MechWarrior and Scout");
  EXPECT_EQ(choices(), (Names{"Gunnery/BattleMech", "Medtech", "Tactics", "Small Arms"}));
  EXPECT_EQ(w.innerSphere().pool, (Levels{2, 2, 2, 2, 1, 1, 1, 1}));
  for (const char* skill : {"Gunnery/BattleMech", "Medtech", "Tactics", "Small Arms"})
    give(static_cast<int>(w.innerSphere().pool.size()) - 1, skill);  // the 1s at the end
  EXPECT_EQ(w.currentActivity, "Picking electives for MechWarrior and Scout");
  EXPECT_EQ(choices(), (Names{"Navigation/Planetary", "Tactics", "Blade", "Bureaucracy",
                              "Leadership", "Support Weapons", "Survival", "Unarmed Combat"}));
  // A skill given again in the elective phase gains the levels.
  give(0, "Tactics");
  EXPECT_EQ(findOwnedSkill(w.innerSphere().skills, "Tactics")->level, "3");
}

TEST_F(PickingTest, DeleteMOSAsksThenStartsOverAndANewPickGoesThroughBothPhases) {
  pick(kMechWarrior);
  for (const char* skill : kRequiredPicks) give(0, skill);
  ASSERT_TRUE(w.electivesAnnounced);

  prompter.clear();
  prompter.yesNoAnswers = {false, true};
  const auto before = w.innerSphere().skills;
  removeMOS(ctx);
  EXPECT_EQ(w.innerSphere().skills, before);
  removeMOS(ctx);
  ASSERT_EQ(prompter.log.size(), 2u);
  EXPECT_EQ(prompter.log[0].text, kDeleteMOSQuestion);
  EXPECT_EQ(prompter.log[0].icon, MessageIcon::Question);
  EXPECT_EQ(w.skillStage, kSkillStageNone);
  EXPECT_EQ(w.mosName1, "");
  EXPECT_EQ(w.mosIndex1, 0);
  EXPECT_FALSE(w.electivesAnnounced);
  EXPECT_TRUE(w.innerSphere().skills.empty());
  EXPECT_EQ(w.innerSphere().pool, Levels(16, 1));
  EXPECT_EQ(w.innerSphere().list.size(), 8u);
  EXPECT_EQ(w.skillButtons, (Buttons{true, true, true, true, false, false}));
  EXPECT_EQ(w.currentActivity, "");

  pick(kMechWarrior);
  EXPECT_EQ(w.currentActivity, "Picking required skills for MechWarrior");
  for (const char* skill : kRequiredPicks) give(0, skill);
  EXPECT_EQ(w.currentActivity, "Picking electives for MechWarrior");
}

TEST_F(PickingTest, ACancelledOrUnreadableChoiceLeavesTheWarriorAsItWas) {
  w.innerSphere().skills = {{"Blade", "1", "15"}};
  w.skillStage = kSkillStageFree;
  std::filesystem::remove(specialities);
  prompter.specialityAnswers = {std::nullopt};
  pickMOS(ctx);
  ASSERT_EQ(prompter.log.size(), 2u);
  EXPECT_EQ(prompter.log[0].text.rfind("The data file \"ismosfos.dat\" could not be read", 0), 0u);
  EXPECT_EQ(prompter.log[1].text, "Pick Skill Packages");
  EXPECT_TRUE(prompter.specialityTables.at(0).empty());  // nothing offered
  EXPECT_EQ(w.innerSphere().skills, (Skills{{"Blade", "1", "15"}}));
  EXPECT_EQ(w.skillStage, kSkillStageFree);
  EXPECT_EQ(w.innerSphere().pool, Levels(16, 1));
  EXPECT_EQ(w.innerSphere().list.size(), 8u);
  EXPECT_EQ(w.skillButtons, (Buttons{true, true, true, true, true, true}));
}

TEST_F(PickingTest, AWarriorOpenedWhilePickingGoesOnInFreePurchase) {
  struct Case {
    std::int16_t stored;
    std::int16_t settled;
    const char* activity;
  };
  for (const Case& c : {Case{3, 1, kPickingAdditionalSkills}, Case{2, 0, ""}, Case{4, 4, ""}}) {
    Warrior opened;
    opened.skillStage = c.stored;
    settleOpenedSkillStage(opened);
    EXPECT_EQ(opened.skillStage, c.settled);
    EXPECT_EQ(opened.currentActivity, c.activity);
  }
}

// Saved in any phase of a training and opened again, a warrior stands where it stood: the same
// status line, choice list and level choices.
TEST_F(PickingTest, EveryTrainingPhaseOpensAsItWasSaved) {
  writeFile("ispack.dat", "Start Dockhand,9,Small Arms,1,End\n");
  const SpecialityChoice both{
      "Scout Pilot",       1, "", 0, "Basic Academy Package", {"Piloting", "Blade"},
      {"Blade", "Tactics"}};
  const Names required(std::begin(kRequiredPicks), std::end(kRequiredPicks));
  const auto then = [&](Names more) {
    return more.insert(more.begin(), required.begin(), required.end()), more;
  };
  // The skills given, each the first level choice left; a package or the clan package instead.
  const std::tuple<const char*, const SpecialityChoice*, Names> phases[] = {
      {"nothing taken", nullptr, {}},
      {"required, none given", &kMechWarrior, {}},
      {"required, one given", &kMechWarrior, {"Small Arms"}},
      {"electives, none given", &kMechWarrior, required},
      {"electives, two given", &kMechWarrior, then({"Tactics", "Blade"})},
      {"a required skill raised as an elective",
       &both,
       {"Piloting", "Blade", "Medtech", "Small Arms", "Blade"}},
      {"free points after the speciality", &kMechWarrior, then({"Tactics", "Blade", "Survival"})},
      {"package", nullptr, {}},
      {"clan package", nullptr, {}}};
  for (const auto& [phase, speciality, given] : phases) {
    SCOPED_TRACE(phase);
    w = Warrior{};
    w.priorityGrant[kSkills] = "16";
    loadSkills(ctx);
    if (speciality) pick(*speciality);
    for (const std::string& skill : given) give(0, skill);
    prompter.packageAnswers = {1}, prompter.yesNoAnswers = {true};
    if (phase == std::string("package")) addPackage(ctx);
    if (phase == std::string("clan package"))
      w.priorityGrant[kRace] = kClanPilot, w.isClan = true, addClanPackage(ctx);
    const ReadOutcome read = parseWarriorFile(formatWarriorFile(w, "kai.war"), "kai.war");
    ASSERT_EQ(read.status, ReadOutcome::Ok);
    Warrior opened = warriorFromFile(*read.opened, app, prompter);
    RuleContext window{opened, app, prompter};
    loadSkills(window);  // the new window's catalogues
    const SkillArea area = activeSkillArea(w);
    EXPECT_EQ(opened.currentActivity, w.currentActivity);
    EXPECT_EQ(opened.currentActivity, trainingPhaseText(w));
    EXPECT_EQ(std::tie(opened.skillStage, opened.innerSphere().list, opened.area(area).pool),
              std::tie(w.skillStage, w.innerSphere().list, w.area(area).pool));
  }
}

TEST_F(PickingTest, APackageCosting12LeavesFourOf16AndGoesAgainWithItsExtraLevels) {
  writeFile("ispack.dat",
            "Start Dockhand,9,Small Arms,1,End\n"
            "Start Bodyguard,12,Blade,2,Small Arms,2,\"Leadership\",1,End\n");
  prompter.packageAnswers = {2};
  addPackage(ctx);
  EXPECT_EQ(prompter.pickerPoints, std::vector<int>{16});
  EXPECT_EQ(prompter.packageTables.at(0).size(), 2u);
  EXPECT_EQ(w.innerSphere().pool, Levels(4, 1));
  EXPECT_EQ(w.innerSphere().skills,
            (Skills{{"Blade", "2", "14"}, {"Small Arms", "2", "14"}, {"Leadership", "1", "15"}}));
  EXPECT_EQ(w.packageIndex, 2);
  EXPECT_EQ(w.skillStage, kSkillStagePackageApplied);
  EXPECT_EQ(w.skillButtons, (Buttons{true, false, false, true, true, true}));

  clickSkillList(w, SkillArea::InnerSphere, "Blade");
  addSkillPointIS(ctx);  // level 3 for 3 points
  EXPECT_EQ(findOwnedSkill(w.innerSphere().skills, "Blade")->level, "3");
  EXPECT_EQ(w.innerSphere().pool, Levels(1, 1));

  prompter.clear();
  prompter.yesNoAnswers = {false, true};
  removePackage(ctx);
  EXPECT_EQ(w.innerSphere().skills.size(), 3u);
  removePackage(ctx);
  EXPECT_EQ(prompter.texts(), (Texts{kDeletePackageQuestion, kDeletePackageQuestion}));
  EXPECT_TRUE(w.innerSphere().skills.empty());
  EXPECT_EQ(w.innerSphere().pool, Levels(16, 1));
  EXPECT_EQ(w.packageIndex, 0);
  EXPECT_EQ(w.skillStage, kSkillStageNone);
  EXPECT_FALSE(w.skillsBought);
  // The level bought after the package closed "Delete MOS"; the package leaves it so.
  EXPECT_EQ(w.skillButtons, (Buttons{true, true, true, true, false, false}));
}

TEST_F(PickingTest, ACancelledPackageDialogPutsTheStageBack) {
  writeFile("ispack.dat", "Start Bodyguard,12,Blade,2,Blade,1,End\n");
  w.skillStage = kSkillStageFree;
  prompter.packageAnswers = {std::nullopt};
  addPackage(ctx);
  // The damaged file is named, and the dialog offers nothing from it.
  ASSERT_EQ(prompter.log.size(), 2u);
  EXPECT_EQ(prompter.log[0].text,
            "The data file \"ispack.dat\" is damaged at line 1: \"Bodyguard\" names the skill "
            "\"Blade\" twice.");
  EXPECT_TRUE(prompter.packageTables.at(0).empty());
  EXPECT_EQ(w.skillStage, kSkillStageFree);
  EXPECT_EQ(w.innerSphere().pool, Levels(16, 1));

  clickSkillList(w, SkillArea::InnerSphere, "Blade");
  addSkillPointIS(ctx);  // not stuck at stage 2
  EXPECT_EQ(w.innerSphere().skills.size(), 1u);
}
