#pragma once
// The races and their attribute modifiers, put on and taken off by hand ("Add Race Mods" /
// "Delete Race Mods"). The race itself follows from the race priority level (budget/).

#include <array>
#include <string>

#include "core/context/RuleContext.h"
#include "core/model/Warrior.h"

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

// The modifiers on the scores now: those of the race they were put on for (the race shown for a
// warrior opened with them on), none while they are off.
RaceModifiers appliedRaceModifiers(const Warrior& w);

// Whether the race has modifiers at all ("Human" and unknown names have none).
bool hasRaceModifiers(const std::string& race);

// Takes off the modifiers of the given race (which may be another than the current one) and
// recomputes what follows from the scores; "Add Race Mods" is open again.
void takeOffRaceMods(Warrior& w, const SkillCatalogue& catalogue, const std::string& race);

// "Add Race Mods": puts on the modifiers of the current race. Nothing while they are on.
void addRaceMods(RuleContext& ctx);

// "Delete Race Mods": takes off the modifiers of the current race. Nothing while they are off.
void removeRaceMods(RuleContext& ctx);

}  // namespace dk
