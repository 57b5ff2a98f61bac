#include "core/files/PlanetFile.h"

namespace dk {

std::string tooManyPlanetsMessage() {
  return "The data file \"" + std::string(kPlanetsFile) + "\" holds more than " +
         std::to_string(kMaxPlanets) + " planet names; only the first " +
         std::to_string(kMaxPlanets) + " are offered.";
}

PlanetList planetListOf(std::vector<DataItem> items) {
  std::string problem;
  if (items.size() > kMaxPlanets) {
    items.resize(kMaxPlanets);
    problem = tooManyPlanetsMessage();
  }
  std::vector<std::string> names;
  names.reserve(items.size());
  for (auto& item : items) names.push_back(std::move(item.text));
  return {std::move(names), std::move(problem)};
}

PlanetList readPlanetList(const std::string& path) {
  // One name more than the list holds tells a full file from one that is too long.
  auto items = readDataFileItems(path, kMaxPlanets + 1);
  if (!items) return PlanetList::failure(dataFileUnreadableMessage(kPlanetsFile, items.message()));
  return planetListOf(std::move(*items));
}

}  // namespace dk
