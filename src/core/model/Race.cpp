#include "model/Race.h"

#include "model/Attributes.h"
#include "model/Priorities.h"
#include "util/Numeric.h"

namespace dk {

namespace {

bool hasModifiers(const RaceModifiers& m) {
  for (int d : m.delta) {
    if (d != 0) return true;
  }
  return m.toughness;
}

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

void markModsOff(Warrior& w) {
  w.raceModsAddable = true;
  w.raceModsRemovable = false;
}

// Takes off the modifiers of the given race and recomputes what follows from the scores.
void takeOffModifiers(Warrior& w, const SkillCatalogue& catalogue, const std::string& race) {
  const RaceModifiers m = raceModifiers(race);
  shiftScores(w, m, -1);
  if (m.toughness) w.removeAdv(kToughness);
  markModsOff(w);
  scoresChanged(w, catalogue, true);
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

void raceLevelChanged(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  const int level = w.priorityLevel[kRace];
  if (w.skillsBought) {
    // The other race buys its skills in the other area, so what was bought here goes.
    if (!ctx.prompter.askYesNo(kSkillResetQuestion, MessageIcon::Question)) return;
    resetActiveSkillArea(w);
    refillActiveSkillPool(w);
  }
  w.priorityEcho[kRace] = toText(level);
  applyBudgetRule(ctx);
  w.priorityGrant[kRace] = raceForLevel(level);
  if (w.raceModsRemovable) {
    // The modifiers on the scores belong to the race they were put on for, not to the new one.
    if (hasModifiers(raceModifiers(w.raceModsRace))) {
      takeOffModifiers(w, ctx.app.skillCatalogue, w.raceModsRace);
    } else {
      markModsOff(w);
    }
  }
  w.isClan = isClanRace(w.priorityGrant[kRace]);
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
  scoresChanged(w, ctx.app.skillCatalogue, true);
}

void removeRaceMods(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  if (!w.raceModsRemovable) return;
  takeOffModifiers(w, ctx.app.skillCatalogue, w.priorityGrant[kRace]);
}

}  // namespace dk
