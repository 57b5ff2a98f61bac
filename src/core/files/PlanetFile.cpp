#include "core/files/PlanetFile.h"

namespace dk {

std::string tooManyPlanetsMessage() {
  return "The data file \"" + std::string(kPlanetsFile) + "\" holds more than " +
         std::to_string(kMaxPlanets) + " planet names; only the first " +
         std::to_string(kMaxPlanets) + " are offered.";
}

PlanetList planetListOf(std::vector<DataItem> items) {
  PlanetList list;
  if (items.size() > kMaxPlanets) {
    items.resize(kMaxPlanets);
    list.problem = tooManyPlanetsMessage();
  }
  list.names.reserve(items.size());
  for (auto& item : items) list.names.push_back(std::move(item.text));
  return list;
}

PlanetList readPlanetList(const std::string& path) {
  // One name more than the list holds tells a full file from one that is too long.
  DataFileItems file = readDataFileItems(path, kMaxPlanets + 1);
  if (!file.readable) {
    PlanetList list;
    list.problem = dataFileUnreadableMessage(kPlanetsFile, file.reason);
    return list;
  }
  return planetListOf(std::move(file.items));
}

}  // namespace dk
