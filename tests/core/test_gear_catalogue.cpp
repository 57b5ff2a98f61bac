// The weapon and equipment catalogue readers: the field limits, section markers, short files,
// ammunition rows and names given twice.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "FakePrompter.h"
#include "TestPaths.h"
#include "core/app/WindowLoad.h"
#include "core/files/GearFiles.h"

using namespace dk;
using dk::test::FakePrompter;

namespace {
std::vector<GearRow> weaponRows(std::string_view text) {
  return weaponCatalogue(weaponEntries(splitDataItems(text, kWeaponFieldsRead))).rows;
}
std::vector<GearRow> equipmentRows(std::string_view text) {
  return equipmentCatalogue(equipmentEntries(splitDataItems(text, kEquipmentFieldsRead))).rows;
}

struct TempFolder {
  std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("dk_gear_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
       ::testing::UnitTest::GetInstance()->current_test_info()->name());
  TempFolder() { std::filesystem::create_directories(path); }
  ~TempFolder() { std::filesystem::remove_all(path); }
  void write(const char* name, std::string_view text) const {
    std::ofstream(path / name, std::ios::binary) << text;
  }
};
}  // namespace

TEST(GearCatalogue, MarkersTypeTheEntriesAfterThemAndAmmunitionFollowsItsWeapon) {
  const auto rows = weaponRows(
      "Loose Pistol,10,0\r\n"
      "Start Pistols\r\n"
      "Arc Pistol,150,5\r\n"
      "Start Support Weapons\r\n"
      "Mortar,1500,12.5\r\n"
      "Flamer,800,junk\r\n"
      "Laser,2400,\r\n"
      "Rocket,1400,-3\r\n");
  const std::vector<GearRow> expected{
      {"Loose Pistol", "", "10"},
      {"Arc Pistol", "Pistols", "150"},
      {"Arc Pistol (Ammo)", "Pistols Ammo", "5"},
      {"Mortar", "Support Weapons", "1500"},
      {"Mortar (Ammo)", "Support Weapons Ammo", "12.5"},
      {"Flamer", "Support Weapons", "800"},  // not a number, empty or below 1: no ammunition
      {"Laser", "Support Weapons", "2400"},
      {"Rocket", "Support Weapons", "1400"},
  };
  EXPECT_EQ(rows, expected);
}

TEST(GearCatalogue, StartInsideAnEntryIsTakenAsItStandsAndAMarkerNeedsNoBlank) {
  // The cost fields begin with "Start" yet belong to their entries; "Startled Hare" is a marker
  // naming the type "ed Hare" (the sixth character is dropped), "Start" alone an empty type.
  EXPECT_EQ(equipmentRows("Start Tools\nKit,Start 5\nStartled Hare\nRope,6\nStart\nNet,2\n"),
            (std::vector<GearRow>{
                {"Kit", "Tools", "Start 5"}, {"Rope", "ed Hare", "6"}, {"Net", "", "2"}}));
  EXPECT_EQ(weaponRows("Start Blades\nKnife,Start,Start\n"),
            (std::vector<GearRow>{{"Knife", "Blades", "Start"}}));
}

TEST(GearCatalogue, ShortFilesAndEmptyNamesEndTheShownCatalogue) {
  // The last entry runs past the end: its missing fields are empty.
  EXPECT_EQ(weaponRows("Start Rifles\nCarbine,150,0\nLong Rifle"),
            (std::vector<GearRow>{{"Carbine", "Rifles", "150"}, {"Long Rifle", "Rifles", ""}}));
  // An empty line is an entry without a name: what follows is read but not shown.
  const auto catalogue = equipmentCatalogue(equipmentEntries(splitDataItems("Rope,6\n\nNet,2\n")));
  EXPECT_EQ(catalogue.rows, (std::vector<GearRow>{{"Rope", "", "6"}}));
  EXPECT_EQ(catalogue.equipment.size(), 3u);
  EXPECT_EQ(catalogue.equipment.back().name, "2");  // the empty entry took "Net" as its cost
}

TEST(GearCatalogue, OnlyTheFirst293And257FieldsAreRead) {
  // 97 weapons fill 291 fields; the 98th has its name and cost read, not its ammunition cost.
  std::string weapons;
  for (int i = 0; i < 97; ++i) weapons += "W" + std::to_string(i) + ",10,0\n";
  weapons += "W97,20,5\nW98,30,0\n";
  const auto w = weaponRows(weapons);
  ASSERT_EQ(w.size(), 98u);
  EXPECT_EQ(w.back(), (GearRow{"W97", "", "20"}));  // no "W97 (Ammo)": field 294 is unread
  std::string equipment = "Start Tools\n";
  for (int i = 0; i < 130; ++i) equipment += "E" + std::to_string(i) + ",1\n";
  const auto e = equipmentRows(equipment);
  ASSERT_EQ(e.size(), 128u);  // 1 marker + 128 x 2 = 257
  EXPECT_EQ(e.back(), (GearRow{"E127", "Tools", "1"}));
}

TEST(GearCatalogue, NamesGivenTwiceKeepTheFirstAndAreToldInOneMessage) {
  TempFolder folder;
  folder.write("weapons.dat", "Dart,10,2\nDart (Ammo),99,0\nDart,50,0\nBow,5,0\n");
  folder.write("equipt.dat", "Rope,6\n");
  SharedState app;
  FakePrompter prompter;
  app.dataFolder = folder.path.string();
  loadGearCatalogues(app, prompter);
  EXPECT_EQ(
      app.weaponCatalogue->rows,
      (std::vector<GearRow>{{"Dart", "", "10"}, {"Dart (Ammo)", " Ammo", "2"}, {"Bow", "", "5"}}));
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{
                                  duplicateNamesMessage("weapons.dat", {"Dart (Ammo)", "Dart"})});
  EXPECT_EQ(prompter.texts()[0],
            "The data file \"weapons.dat\" names items more than once; only the first of each is "
            "offered. Left out: \"Dart (Ammo)\", \"Dart\".");
}

TEST(GearCatalogue, AMissingFileIsToldOnceAndLeavesThatCatalogueEmpty) {
  TempFolder folder;
  folder.write("equipt.dat", "Rope,6\n");
  SharedState app;
  FakePrompter prompter;
  app.dataFolder = folder.path.string();
  loadGearCatalogues(app, prompter);
  EXPECT_TRUE(app.weaponCatalogue->rows.empty());
  EXPECT_EQ(app.equipmentCatalogue->rows.size(), 1u);
  ASSERT_EQ(prompter.log.size(), 1u);
  EXPECT_EQ(prompter.log[0].text.rfind("The data file \"weapons.dat\" could not be read: ", 0), 0u);
  // A second window with unchanged files shares the tables of the first.
  const auto first = app.equipmentCatalogue;
  app.dataFolder = folder.path.string();
  loadGearCatalogues(app, prompter);
  EXPECT_EQ(app.equipmentCatalogue, first);
}

TEST(GearCatalogue, TheShippedFilesHoldExactlyTheFieldsTheLoadersRead) {
  for (const auto& [name, fields] : {std::pair{"weapons.dat", kWeaponFieldsRead},
                                     std::pair{"equipt.dat", kEquipmentFieldsRead}}) {
    const auto file = readDataFileItems(std::string(DRAKKENFOLD_DATA) + "/" + name);
    ASSERT_TRUE(file.ok()) << name;
    EXPECT_EQ(file->size(), fields) << name;
    for (const auto& item : *file) EXPECT_FALSE(item.text.empty()) << name << ":" << item.line;
  }
  SharedState app;
  FakePrompter prompter;
  app.dataFolder = DRAKKENFOLD_DATA;
  loadGearCatalogues(app, prompter);
  EXPECT_TRUE(prompter.log.empty());  // no name given twice
  EXPECT_GT(app.weaponCatalogue->rows.size(), 96u);
  EXPECT_EQ(app.equipmentCatalogue->rows.size(), 126u);
}
