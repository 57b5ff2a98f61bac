#include "core/character/Race.h"

#include "core/character/Characteristics.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {

// Adds sign x the modifiers to the scores. Scores are not held to any range here: a pilot with
// Build 1 ends at 0, an elemental may pass the normal maximum. Only the changed texts are
// rewritten.
void shiftScores(Warrior& w, const RaceModifiers& m, int sign) {
  for (int a = 0; a < kAttributeCount; ++a) {
    if (m.delta[a] == 0) continue;
    const auto attr = static_cast<Attribute>(a);
    w.attributeScore[a] =
        toText(clampToInt16(std::int64_t{scoreValue(w, attr)} + sign * m.delta[a]));
  }
}

}  // namespace

std::string raceForLevel(int level) {
  switch (level) {
    case 2:
      return kClanDrakkenfold;
    case 3:
      return kClanPilot;
    case 4:
      return kClanElemental;
    default:
      return level > 4 ? kClanElemental : kHuman;
  }
}

RaceModifiers raceModifiers(const std::string& race) {
  RaceModifiers m;
  if (race == kClanDrakkenfold) {
    m.delta = {0, +1, +1, 0, 0};
  } else if (race == kClanPilot) {
    m.delta = {-1, +2, +1, 0, 0};
  } else if (race == kClanElemental) {
    m.delta = {+2, +1, 0, 0, -1};
    m.toughness = true;
  }
  return m;
}

RaceModifiers appliedRaceModifiers(const Warrior& w) {
  if (!w.raceModsRemovable) return {};
  return raceModifiers(w.raceModsRace.empty() ? w.priorityGrant[kRace] : w.raceModsRace);
}

bool hasRaceModifiers(const std::string& race) {
  const RaceModifiers m = raceModifiers(race);
  for (int d : m.delta) {
    if (d != 0) return true;
  }
  return m.toughness;
}

void takeOffRaceMods(Warrior& w, const SkillCatalogue& catalogue, const std::string& race) {
  const RaceModifiers m = raceModifiers(race);
  shiftScores(w, m, -1);
  if (m.toughness) w.removeAdv(kToughness);
  w.raceModsAddable = true;
  w.raceModsRemovable = false;
  w.raceModsRace.clear();
  scoresChanged(w, catalogue, true);
}

void addRaceMods(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  if (!w.raceModsAddable) return;
  const std::string race = w.priorityGrant[kRace];
  const RaceModifiers m = raceModifiers(race);
  shiftScores(w, m, +1);
  // The racial row is free: no advantage points are charged for it.
  if (m.toughness) w.addAdv(kToughness, kRacialToughnessLevel);
  w.raceModsRace = race;
  w.raceModsAddable = false;
  w.raceModsRemovable = true;
  scoresChanged(w, ctx.shared.skillCatalogue, true);
}

void removeRaceMods(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  if (!w.raceModsRemovable) return;
  takeOffRaceMods(w, ctx.shared.skillCatalogue, w.priorityGrant[kRace]);
}

}  // namespace dk
