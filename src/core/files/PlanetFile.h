#pragma once
// The home-planet list: planet names read from "planets.dat", one field each, in file order.

#include <cstddef>
#include <string>
#include <vector>

#include "core/files/DataItems.h"
#include "core/util/Result.h"

namespace dk {

inline constexpr const char* kPlanetsFile = "planets.dat";
inline constexpr std::size_t kMaxPlanets = 2000;

// "The data file \"planets.dat\" holds more than 2000 planet names; only the first 2000 are
// offered."
std::string tooManyPlanetsMessage();

// The names, at most kMaxPlanets in file order; the message says what to tell the user, if
// anything.
using PlanetList = Result<std::vector<std::string>>;

// The planet names among the items read from the file (kMaxPlanets + 1 of them at most are
// needed to tell a file that is too long).
PlanetList planetListOf(std::vector<DataItem> items);

// Reads the planet names of a file. A file that cannot be read gives no names; one with more
// than 2000 gives the first 2000. Either way the message says so, naming the file.
PlanetList readPlanetList(const std::string& path);

}  // namespace dk
