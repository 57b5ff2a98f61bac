#pragma once
// The race follows from the race priority level. Its attribute modifiers are put on and taken
// off by hand ("Add Race Mods" / "Delete Race Mods"); a race change while they are on takes off
// those of the race they were put on for.

#include <array>
#include <string>

#include "model/RuleContext.h"
#include "model/Warrior.h"

namespace dk {

inline constexpr char kHuman[] = "Human";
inline constexpr char kClanDrakkenfold[] = "Clan Drakkenfold";
inline constexpr char kClanPilot[] = "Clan Pilot";
inline constexpr char kClanElemental[] = "Clan Elemental";
inline constexpr char kToughness[] = "Toughness";
inline constexpr std::int16_t kRacialToughnessLevel = 2;

inline constexpr char kSkillResetQuestion[] =
    "By doing this, you will reset all of your current skills.  Are you sure you wish to do this?";

// "Human" for levels 0 and 1, then "Clan Drakkenfold", "Clan Pilot", "Clan Elemental".
std::string raceForLevel(int level);

struct RaceModifiers {
  std::array<int, kAttributeCount> delta{};  // BLD, REF, INT, LRN, CHA
  bool toughness = false;                    // the free racial "Toughness" row
};

// The modifiers "Add Race Mods" puts on; none for "Human" and for a name it does not know.
RaceModifiers raceModifiers(const std::string& race);

// The race pool's change procedure, run by setPriorityLevel after it stored the new level.
void raceLevelChanged(RuleContext& ctx);

// "Add Race Mods": puts on the modifiers of the current race. Nothing while they are on.
void addRaceMods(RuleContext& ctx);

// "Delete Race Mods": takes off the modifiers of the current race. Nothing while they are off.
void removeRaceMods(RuleContext& ctx);

}  // namespace dk
