// The home-planet list: the planet file reader and the choice it hands back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "FakePrompter.h"
#include "TestPaths.h"
#include "core/files/PlanetFile.h"
#include "core/gear/Planets.h"

using namespace dk;
using dk::test::FakePrompter;

namespace {
std::vector<std::string> namesOf(std::string_view text) {
  return *planetListOf(splitDataItems(text, kMaxPlanets + 1));
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
  EXPECT_EQ(full->size(), 2000u);
  EXPECT_EQ(full.message(), "");
  PlanetList over = planetListOf(splitDataItems(text + "Extra\r\n", kMaxPlanets + 1));
  EXPECT_EQ(over->size(), 2000u);
  EXPECT_EQ(over->back(), "P1999");
  EXPECT_EQ(over.message(), tooManyPlanetsMessage());
  EXPECT_EQ(over.message(),
            "The data file \"planets.dat\" holds more than 2000 planet names; only the first "
            "2000 are offered.");
}

TEST(PlanetList, AMissingFileOffersNothingAndSaysWhy) {
  const auto path = std::filesystem::temp_directory_path() / "dk_no_such_folder" / "planets.dat";
  const PlanetList list = readPlanetList(path.string());
  EXPECT_FALSE(list.ok());
  EXPECT_EQ(list.message().rfind("The data file \"planets.dat\" could not be read: ", 0), 0u);
  // The shipped list reads without a word.
  const PlanetList shipped = readPlanetList(std::string(DRAKKENFOLD_DATA) + "/planets.dat");
  EXPECT_EQ(shipped.message(), "");
  EXPECT_GT(shipped->size(), 200u);
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
  EXPECT_EQ(prompter.lastPlanets, *readPlanetList(app.dataFile(kPlanetsFile)));
  EXPECT_FALSE(prompter.lastPlanets.empty());
}
