// The logic of the three training dialogs: "Pick Skill Packages", "Pick Skills", "Pick Package".
#include <gtest/gtest.h>

#include "FakePrompter.h"
#include "core/skills/PackagePicker.h"
#include "core/skills/SpecialityPicker.h"

using namespace dk;
using dk::test::FakePrompter;

namespace {
using Texts = std::vector<std::string>;
using Names = std::vector<std::string>;

enum Type { kBasicAcademy = 0, kAdvancedAcademy, kBasicUniversity, kAdvancedUniversity };

// clang-format off
const std::vector<Speciality> kTable{
    {"MechWarrior", 2, {"Gunnery/BattleMech", "Piloting/BattleMech", "Tactics"}, {"Tech/BattleMech", "Navigation"}},
    {"Scout", 1, {"Stealth", "Tracking"}, {"Navigation", "Survival"}},
    {"Field Medic", 0, {"Medtech", "Small Arms"}, {"Surgery"}},
};
// clang-format on

struct PickerTest : ::testing::Test {
  FakePrompter prompter;
  SpecialityPicker picker{kTable, 16};

  void add(int row) {
    picker.select(row);
    picker.add(prompter);
  }
  void remove(int row) {
    picker.select(row);
    picker.remove(prompter);
  }
};
}  // namespace

TEST_F(PickerTest, AddAndRemoveRefuseInOrderAndKeepTheGatheredListsTrue) {
  picker.add(prompter);
  picker.remove(prompter);
  add(1);
  add(1);
  remove(0);
  ASSERT_EQ(prompter.log.size(), 4u);
  EXPECT_EQ(prompter.texts(), (Texts{kSelectSpecialityFirst, kSelectSpecialityFirst,
                                     kSpecialityAlreadyPicked, kSpecialityNotTaken}));
  EXPECT_EQ(prompter.log[0].icon, MessageIcon::None);  // a plain box
  EXPECT_EQ(prompter.log[2].icon, MessageIcon::Information);

  add(0);
  EXPECT_EQ(picker.firstName(), "Scout");
  EXPECT_EQ(picker.secondName(), "MechWarrior");
  EXPECT_FALSE(picker.addEnabled());
  EXPECT_EQ(picker.gatheredRequired(),
            (Names{"Stealth", "Tracking", "Gunnery/BattleMech", "Piloting/BattleMech", "Tactics"}));
  EXPECT_EQ(picker.gatheredElectives(), (Names{"Navigation", "Survival", "Tech/BattleMech"}));

  // Dropping the first leaves "Ok" refused until a first is taken again, and the next "Add"
  // fills the free place instead of pushing out the second.
  remove(1);
  EXPECT_TRUE(picker.addEnabled());
  EXPECT_EQ(picker.gatheredRequired(),
            (Names{"Gunnery/BattleMech", "Piloting/BattleMech", "Tactics"}));
  picker.choosePackageType(kBasicAcademy);
  prompter.clear();
  EXPECT_EQ(picker.ok(prompter), SpecialityPicker::Outcome::Refused);
  EXPECT_EQ(prompter.texts(), Texts{kAddSpecialityFirst});
  add(2);
  EXPECT_EQ(picker.firstName(), "Field Medic");
  EXPECT_EQ(picker.secondName(), "MechWarrior");
  EXPECT_FALSE(picker.addEnabled());
}

TEST(SpecialityOk, PointsFirstThenTypeThenSpecialities) {
  struct Case {
    int points;
    int type;
    bool taken;
    const char* message;
  };
  const Case cases[] = {
      {8, kBasicAcademy, true, kTooFewSkillPointsForType},
      {8, kBasicUniversity, true, kTooFewSkillPointsForType},
      {8, kAdvancedAcademy, false, kTooFewSkillPointsForType},
      {8, kAdvancedUniversity, true, kTooFewSkillPointsForType},
      {12, kAdvancedAcademy, true, kTooFewSkillPointsForType},
      {12, kAdvancedUniversity, true, kTooFewSkillPointsForType},
      {12, kBasicUniversity, false, kAddSpecialityFirst},
      {12, kBasicAcademy, false, kAddSpecialityFirst},
      {8, -1, false, kPickPackageType},
  };
  for (const Case& c : cases) {
    FakePrompter prompter;
    SpecialityPicker picker(kTable, c.points);
    picker.choosePackageType(c.type);
    if (c.taken) {
      picker.select(2);
      picker.add(prompter);
    }
    EXPECT_EQ(picker.ok(prompter), SpecialityPicker::Outcome::Refused) << c.points << " " << c.type;
    EXPECT_EQ(prompter.texts(), Texts{c.message}) << c.points << " " << c.type;
  }
  // 12 points pass both basic types.
  FakePrompter prompter;
  SpecialityPicker picker(kTable, 12);
  picker.select(2);
  picker.add(prompter);
  picker.choosePackageType(kBasicUniversity);
  EXPECT_EQ(picker.ok(prompter), SpecialityPicker::Outcome::Confirmed);
  EXPECT_TRUE(prompter.log.empty());
}

TEST_F(PickerTest, TwoSpecialitiesAskForTheirOwnPicksAndGiveTheWholeChoice) {
  add(0);
  add(1);
  picker.choosePackageType(kAdvancedAcademy);
  prompter.requiredPickAnswers = {Names{"Gunnery/BattleMech", "Tactics"}, Names{"Tracking"}};
  ASSERT_EQ(picker.ok(prompter), SpecialityPicker::Outcome::Confirmed);
  EXPECT_EQ(prompter.requiredRequests,
            (std::vector<RequiredSkillRequest>{
                {"Please pick the 2 skills for MechWarrior.", kTable[0].required, 2},
                {"Please pick the 1 skills for Scout.", kTable[1].required, 1}}));
  EXPECT_EQ(picker.choice(),
            (SpecialityChoice{"MechWarrior",
                              1,
                              "Scout",
                              2,
                              "Advanced Academy Package",
                              {"Gunnery/BattleMech", "Tactics", "Tracking"},
                              {"Tech/BattleMech", "Navigation", "Navigation", "Survival"}}));
}

TEST_F(PickerTest, ACountOfZeroGivesEveryRequiredSkillWithoutAsking) {
  EXPECT_EQ(requiredHeading(kTable[2]), "Required");
  EXPECT_EQ(requiredHeading(kTable[0]), "Required (2)");
  add(2);
  picker.choosePackageType(kBasicAcademy);
  ASSERT_EQ(picker.ok(prompter), SpecialityPicker::Outcome::Confirmed);
  EXPECT_TRUE(prompter.requiredRequests.empty());
  EXPECT_EQ(picker.choice(), (SpecialityChoice{"Field Medic",
                                               3,
                                               "",
                                               0,
                                               "Basic Academy Package",
                                               {"Medtech", "Small Arms"},
                                               {"Surgery"}}));
}

TEST_F(PickerTest, ClosingPickSkillsGivesUpTheWholeChoice) {
  add(2);
  add(1);
  picker.choosePackageType(kBasicAcademy);
  prompter.requiredPickAnswers = {std::nullopt};
  EXPECT_EQ(picker.ok(prompter), SpecialityPicker::Outcome::Cancelled);
  EXPECT_EQ(picker.choice(), SpecialityChoice{});
}

TEST(SpecialityOk, MoreThan51NamesTogetherIsRefusedNotCut) {
  Names many;
  for (int i = 1; i <= 30; ++i) many.push_back("Skill" + std::to_string(i));
  const std::vector<Speciality> table{{"A", 0, many, many}, {"B", 1, many, {}}, {"C", 0, {}, many}};
  FakePrompter prompter;
  SpecialityPicker picker(table, 20);
  picker.choosePackageType(kBasicAcademy);
  picker.select(0);
  picker.add(prompter);
  picker.select(2);
  picker.add(prompter);
  EXPECT_EQ(picker.ok(prompter), SpecialityPicker::Outcome::Refused);  // 60 electives
  EXPECT_EQ(prompter.texts(), Texts{kTooManyChosenElectives});

  picker.select(2);
  picker.remove(prompter);
  picker.select(1);
  picker.add(prompter);
  prompter.clear();
  prompter.requiredPickAnswers = {many};  // 30 + 30 required
  EXPECT_EQ(picker.ok(prompter), SpecialityPicker::Outcome::Refused);
  EXPECT_EQ(prompter.texts(), (Texts{"Please pick the 1 skills for B.", kTooManyChosenRequired}));
}

TEST(RequiredPick, AtLeastTheCountTopToBottom) {
  const RequiredSkillRequest request{"Please pick the 2 skills for MechWarrior.",
                                     {"Gunnery/BattleMech", "Piloting/BattleMech", "Tactics"},
                                     2};
  FakePrompter prompter;
  EXPECT_EQ(confirmRequiredPick(request, {1}, prompter), std::nullopt);
  EXPECT_EQ(prompter.texts(), Texts{"You need to select atleast 2 skills!"});
  EXPECT_EQ(prompter.log[0].icon, MessageIcon::Information);
  EXPECT_EQ(confirmRequiredPick(request, {2, 0}, prompter),
            (Names{"Gunnery/BattleMech", "Tactics"}));
  EXPECT_EQ(confirmRequiredPick(request, {2, 1, 0}, prompter), request.names);
}

TEST(PackageOk, NeedsAPackageAndThePointsForIt) {
  const std::vector<SkillPackage> table{{"Dockhand", 9, {}}, {"Officer", 20, {}}, {"Tech", 12, {}}};
  struct Case {
    int points;
    int row;
    std::optional<int> taken;
    Texts messages;
  };
  const Case cases[] = {
      {16, -1, std::nullopt, {kSelectPackage}},
      {16, 0, 1, {}},
      {16, 1, std::nullopt, {kTooFewPointsForPackage}},
      {8, 2, std::nullopt, {kTooFewPointsForPackage}},
      {12, 2, 3, {}},
  };
  for (const Case& c : cases) {
    FakePrompter prompter;
    PackagePicker picker(table, c.points);
    picker.select(c.row);
    EXPECT_EQ(picker.ok(prompter), c.taken) << c.points << " " << c.row;
    EXPECT_EQ(prompter.texts(), c.messages) << c.points << " " << c.row;
  }
}
