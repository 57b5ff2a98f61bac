// The home-planet list: the planet file reader and the choice it hands back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "FakePrompter.h"
#include "core/files/PlanetFile.h"
#include "core/gear/Planets.h"

using namespace dk;
using dk::test::FakePrompter;

namespace {
std::vector<std::string> namesOf(std::string_view text) {
  return planetListOf(splitDataItems(text, kMaxPlanets + 1)).names;
}
}  // namespace

TEST(PlanetList, NamesInFileOrderWithQuotesHoldingCommas) {
  EXPECT_EQ(namesOf("Vel\r\nOssaria\r\nKaheim\r\n"),
            (std::vector<std::string>{"Vel", "Ossaria", "Kaheim"}));
  EXPECT_EQ(namesOf("Esk, Inner Belt\r\n\"Esk, Inner Belt\"\r\n  Tiller  \r\n"),
            (std::vector<std::string>{"Esk", "Inner Belt", "Esk, Inner Belt", "Tiller"}));
  EXPECT_TRUE(namesOf("").empty());
}

TEST(PlanetList, AtMost2000NamesAndTheUserIsToldWhenThereWereMore) {
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "P" + std::to_string(i) + "\r\n";
  PlanetList full = planetListOf(splitDataItems(text, kMaxPlanets + 1));
  EXPECT_EQ(full.names.size(), 2000u);
  EXPECT_FALSE(full.problem);
  PlanetList over = planetListOf(splitDataItems(text + "Extra\r\n", kMaxPlanets + 1));
  EXPECT_EQ(over.names.size(), 2000u);
  EXPECT_EQ(over.names.back(), "P1999");
  EXPECT_EQ(over.problem, tooManyPlanetsMessage());
  EXPECT_EQ(*over.problem,
            "The data file \"planets.dat\" holds more than 2000 planet names; only the first "
            "2000 are offered.");
}

TEST(PlanetList, AMissingFileOffersNothingAndSaysWhy) {
  const auto path = std::filesystem::temp_directory_path() / "dk_no_such_folder" / "planets.dat";
  const PlanetList list = readPlanetList(path.string());
  EXPECT_TRUE(list.names.empty());
  ASSERT_TRUE(list.problem);
  EXPECT_EQ(list.problem->rfind("The data file \"planets.dat\" could not be read: ", 0), 0u);
  // The shipped list reads without a word.
  const PlanetList shipped = readPlanetList(std::string(DRAKKENFOLD_DATA) + "/planets.dat");
  EXPECT_FALSE(shipped.problem);
  EXPECT_GT(shipped.names.size(), 200u);
}

TEST(PlanetList, OkNeedsASelectionAndAClosedListKeepsTheHomePlanet) {
  FakePrompter prompter;
  EXPECT_EQ(confirmPlanet(std::nullopt, prompter), std::nullopt);
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{kSelectPlanetFirst});
  EXPECT_EQ(confirmPlanet("Vel", prompter), "Vel");

  Warrior w;
  SharedState app;
  app.dataFolder = DRAKKENFOLD_DATA;
  RuleContext ctx{w, app, prompter};
  w.homePlanet = "Typed World";
  prompter.planetAnswers = {std::nullopt, "Ossaria"};
  choosePlanet(ctx);
  EXPECT_EQ(w.homePlanet, "Typed World");
  choosePlanet(ctx);
  EXPECT_EQ(w.homePlanet, "Ossaria");
  // The list offers the planet file of the data folder, read afresh each time.
  EXPECT_EQ(prompter.lastPlanets, readPlanetList(app.dataFile(kPlanetsFile)).names);
  EXPECT_FALSE(prompter.lastPlanets.empty());
}
