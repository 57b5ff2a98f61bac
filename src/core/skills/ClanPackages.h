#pragma once
// The clan training packages: each clan caste has a fixed package of skills at fixed levels that
// the clan area's "Add Package" grants in one step for a fixed number of skill points; its
// "Del Package" throws every clan skill away.

#include <cstdint>
#include <string>
#include <vector>

#include "core/context/RuleContext.h"
#include "core/model/Warrior.h"

namespace dk {

inline constexpr char kClanElementalPackageQuestion[] =
    "Do you wish to give this character the Clan Elemental package?";
inline constexpr char kClanPilotPackageQuestion[] =
    "Do you wish to give this character the Clan Pilot package?";
inline constexpr char kPrimaryClanWarriorQuestion[] =
    "Do you wish to give this character the Primary Clan Warrior package?  If you select no, you "
    "will be given a chance to get the Secondary Clan Warrior package.";
inline constexpr char kSecondaryClanWarriorQuestion[] =
    "Do you wish to give this character the Secondary Clan Warrior package?";
inline constexpr char kDeleteClanPackageQuestion[] =
    "Are you sure you wish to do this?  You will loose all of your skills, and be forced to "
    "restart.";

struct PackageSkill {
  std::string name;
  std::int16_t level = 0;
};

struct ClanPackage {
  std::int16_t cost = 0;
  std::vector<PackageSkill> skills;  // in the order they join the clan list
};

const ClanPackage& clanElementalPackage();
const ClanPackage& clanPilotPackage();
const ClanPackage& primaryClanWarriorPackage();
const ClanPackage& secondaryClanWarriorPackage();

// "You don't have enough points!  It takes <cost> points to do this!"
std::string clanPackageTooDearMessage(int cost);

// Whether the clan "Add Package" is open: the button's state, and only onto an empty clan list
// (a warrior opened from a file has its clan buttons open whatever it owns).
bool clanPackageAvailable(const Warrior& w);

// Clan "Add Package" (Command1): asks for the caste's package and grants it.
void addClanPackage(RuleContext& ctx);

// Clan "Del Package" (Command2): after a Yes, every clan skill goes, the clan pool is refilled
// from the skills grant, and the area is back where it started: "Add Package" open,
// "Del Package" closed, no skill bought and no package taken.
void removeClanPackage(RuleContext& ctx);

}  // namespace dk
