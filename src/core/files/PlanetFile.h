#pragma once
// The home-planet list: planet names read from "planets.dat", one field each, in file order.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/files/DataItems.h"

namespace dk {

inline constexpr const char* kPlanetsFile = "planets.dat";
inline constexpr std::size_t kMaxPlanets = 2000;

// "The data file \"planets.dat\" holds more than 2000 planet names; only the first 2000 are
// offered."
std::string tooManyPlanetsMessage();

struct PlanetList {
  std::vector<std::string> names;      // at most kMaxPlanets, in file order
  std::optional<std::string> problem;  // what to tell the user, if anything
};

// The planet names among the items read from the file (kMaxPlanets + 1 of them at most are
// needed to tell a file that is too long).
PlanetList planetListOf(std::vector<DataItem> items);

// Reads the planet names of a file. A file that cannot be read gives no names; one with more
// than 2000 gives the first 2000. Either way `problem` says so, naming the file.
PlanetList readPlanetList(const std::string& path);

}  // namespace dk
