#pragma once
// What the gamemaster's forge builds random warriors from, as plain values: a profile (one file
// of its own, "<name>.profile") that weights the choices a player would make, and the lists of
// given and family names ("names.dat").

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dk {

// The races a profile may weight, in the order of the race priority levels that give them: a
// human takes level 0, each clan caste the level that names it.
inline constexpr std::array<const char*, 4> kForgeRaces{"Human", "Clan Drakkenfold", "Clan Pilot",
                                                        "Clan Elemental"};
inline constexpr std::array<int, 4> kForgeRaceLevels{0, 2, 3, 4};
// The priorities a profile weights: every one but the race, which follows from the race chosen.
inline constexpr std::array<const char*, 4> kForgePriorities{"Attributes", "Skills", "Advantages",
                                                             "BattleMech"};
// How a warrior comes by its first skills: bought one by one, a speciality, a ready-made package
// (the Inner Sphere) or the caste's training (a clan).
inline constexpr std::array<const char*, 4> kForgeTrainings{"None", "Speciality", "Package",
                                                            "Clan"};

inline constexpr int kHighestForgeWeight = 1000;
inline constexpr std::size_t kMaxProfileLines = 2000;
inline constexpr std::size_t kMaxForgeNames = 5000;  // per list
// What stands for every name a list does not give.
inline constexpr char kAnyOther[] = "*";

// A name and how strongly it is preferred (0: never, where there is a choice).
struct ForgeWeight {
  std::string name;
  int weight = 0;
  bool operator==(const ForgeWeight&) const = default;
};

struct Profile {
  std::string name;
  std::array<int, 4> races{1, 0, 0, 0};
  std::array<int, 4> priorities{1, 1, 1, 1};
  std::array<int, 5> attributes{1, 1, 1, 1, 1};  // BLD, REF, INT, LRN, CHA
  std::array<int, 4> trainings{1, 1, 1, 1};
  // By name; a skill weight also holds for the skills of its group ("Gunnery" for
  // "Gunnery/Aerospace"), and "*" for the names a list does not give (1 without it).
  std::vector<ForgeWeight> specialities;
  std::vector<ForgeWeight> packages;
  std::vector<ForgeWeight> skills;
  std::vector<ForgeWeight> advantages;
  std::vector<ForgeWeight> gear;  // by category
  std::vector<ForgeWeight> ranks;
  int transfer = 0;  // the chance in 100 that the equipment C-Bills go into the C-Bills first
  bool operator==(const Profile&) const = default;
};

// The weight a list gives a name: its own, its group's, what "*" gives, or 1.
int forgeWeight(const std::vector<ForgeWeight>& list, std::string_view name);

struct NameLists {
  std::vector<std::string> given;
  std::vector<std::string> family;
  bool operator==(const NameLists&) const = default;
};

}  // namespace dk
