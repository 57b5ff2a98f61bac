#include "core/budget/Priorities.h"

#include <algorithm>
#include <array>

#include "core/character/Attributes.h"
#include "core/character/Race.h"
#include "core/gear/Advantages.h"
#include "core/gear/Money.h"
#include "core/skills/SkillAreas.h"
#include "core/skills/SkillPackages.h"
#include "core/skills/SkillPoints.h"
#include "core/skills/SpecialityPicking.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {

int clampLevel(int level) { return std::clamp(level, kLowestPriorityLevel, kHighestPriorityLevel); }

std::int64_t attributePoints(int level) { return 18 + 3 * clampLevel(level); }
std::int64_t skillPoints(int level) { return 8 + 4 * clampLevel(level); }

void echoLevel(Warrior& w, Pool pool, int level) { w.priorityEcho[pool] = toText(level); }

bool raceLevelChanged(RuleContext& ctx, int level) {
  Warrior& w = ctx.warrior;
  if (w.skillsBought) {
    // The other race buys its skills in the other area, so what was bought here goes.
    if (!ctx.prompter.askYesNo(kSkillResetQuestion, MessageIcon::Question)) return false;
    resetActiveSkillArea(w);
    refillSkillPool(w, activeSkillArea(w));
  }
  echoLevel(w, kRace, level);
  applyBudgetRule(ctx);
  w.priorityGrant[kRace] = raceForLevel(level);
  if (w.raceModsRemovable) {
    // The modifiers on the scores belong to the race they were put on for, not to the new one.
    if (hasRaceModifiers(w.raceModsRace)) {
      takeOffRaceMods(w, ctx.shared.skillCatalogue, w.raceModsRace);
    } else {
      w.raceModsAddable = true;
      w.raceModsRemovable = false;
      w.raceModsRace.clear();
    }
  }
  // The one place that decides whether the warrior is of a clan: every clan caste is.
  const bool wasClan = w.isClan;
  w.isClan = w.priorityGrant[kRace] != kHuman;
  // Only a clan warrior may hold the clan-only advantages: they go, with their points.
  if (wasClan && !w.isClan) takeBackClanOnlyAdvantages(w);
  // The area that comes to the front gets its pool from the skills grant, less what its skills
  // have cost.
  if (w.isClan != wasClan) refillSkillPool(w, activeSkillArea(w));
  return true;
}

bool attributesLevelChanged(RuleContext& ctx, int level) {
  Warrior& w = ctx.warrior;
  if (weightedAttributeSum(w) > attributePoints(level)) {
    if (level < kHighestPriorityLevel) {
      ctx.prompter.showMessage(kAttributesNotCovered, MessageIcon::Information);
      setPriorityLevel(ctx, kAttributes, level + 1);
      // The inner run has settled the level; this run finishes with whatever the bar now holds.
      level = ctx.warrior.priorityLevel[kAttributes];
    } else {
      // Racial modifiers can push the scores past what any level grants. There is no level
      // above 4 to retreat to, so say so once and keep the highest level.
      ctx.prompter.showMessage(kAttributesBeyondHighestLevel, MessageIcon::Information);
    }
  }
  echoLevel(w, kAttributes, level);
  applyBudgetRule(ctx);
  w.priorityGrant[kAttributes] = attributeGrant(level);
  // Until the first raise the free points show the whole grant, as on a new warrior.
  if (w.attributesTouched) {
    updateTotalPts(w);
  } else {
    w.freeAttributePoints = w.priorityGrant[kAttributes];
  }
  return true;
}

// An Inner Sphere speciality or package: its skills were paid for out of the grant of the level
// it was taken at, whichever area is in front.
bool innerSphereTrainingHeld(const Warrior& w) { return specialityTaken(w) || packageTaken(w); }

// The training goes as "Delete MOS" and "Del Package" take it away; the catalogue list comes
// back from the shared table, as the last read of the skills file left it.
void takeBackInnerSphereTraining(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  const bool speciality = specialityTaken(w);
  const bool package = packageTaken(w);
  if (speciality) {
    takeBackSpeciality(w);
    showSkillCatalogue(w, SkillArea::InnerSphere, ctx.shared.skillCatalogue);
  }
  if (package) takeBackPackage(w);
}

bool skillsLevelChanged(RuleContext& ctx, int level) {
  Warrior& w = ctx.warrior;
  echoLevel(w, kSkills, level);
  const bool innerSphere = innerSphereTrainingHeld(w);
  if (w.clanPackageTaken || innerSphere) {
    // Training can be neither shrunk to a smaller grant nor kept under a larger one for free;
    // the only way is to start over, in either area.
    if (!ctx.prompter.askYesNo(kClanPackageResetQuestion, MessageIcon::Question)) return false;
    if (innerSphere) takeBackInnerSphereTraining(ctx);
    if (w.clanPackageTaken) resetSkillArea(w, SkillArea::Clan);
  }
  const std::int64_t spent = skillPointsCommitted(w, activeSkillArea(w));
  if (spent > skillPoints(level)) {
    if (level < kHighestPriorityLevel) {
      ctx.prompter.showMessage(kSkillsNotCovered, MessageIcon::Information);
      setPriorityLevel(ctx, kSkills, level + 1);
      return true;  // the inner run has done the bookkeeping for the level it settled on
    }
    ctx.prompter.showMessage(kSkillsBeyondHighestLevel, MessageIcon::Information);
  }
  applyBudgetRule(ctx);
  w.priorityGrant[kSkills] = skillGrant(level);
  // What is bought stays bought: the pool holds what the new grant leaves after it.
  refillSkillPool(w, activeSkillArea(w));
  return true;
}

bool advantagesLevelChanged(RuleContext& ctx, int level) {
  Warrior& w = ctx.warrior;
  // Ask whenever there is something to lose; an empty list is reset without a word.
  if (!w.advantages.empty() &&
      !ctx.prompter.askYesNo(kAdvantagesResetQuestion, MessageIcon::Information)) {
    return false;
  }
  // The advantages go with everything they brought, as the Advantages page's Reset takes them.
  if (!takeBackAdvantages(w, ctx.shared.skillCatalogue)) {
    ctx.prompter.showMessage(kAmountOutOfRange, MessageIcon::Information);
    return false;
  }
  echoLevel(w, kAdvantages, level);
  applyBudgetRule(ctx);
  w.priorityGrant[kAdvantages] = advantageGrant(level);
  w.advantagePoints = advantageGrant(level);
  return true;
}

bool battleMechLevelChanged(RuleContext& ctx, int level) {
  Warrior& w = ctx.warrior;
  echoLevel(w, kBattleMech, level);
  applyBudgetRule(ctx);
  w.priorityGrant[kBattleMech] = battleMechGrant(level);
  if (level == 0) {
    w.vehicleType.clear();
    w.vehicleTypeEnabled = false;
  } else {
    w.vehicleTypeEnabled = true;
  }
  return true;
}

}  // namespace

std::string priorityMaximumRangeMessage(int spent) {
  return "Please enter a whole number from " + toText(spent) + " to " +
         toText(kHighestPriorityMaximum) + ".";
}

std::string priorityMaximumBelowSpentMessage(int spent) {
  return "The maximum cannot be less than the " + toText(spent) +
         " priority points this warrior already uses.";
}

std::string attributeGrant(int level) { return toText(attributePoints(level)); }
std::string skillGrant(int level) { return toText(skillPoints(level)); }
std::string advantageGrant(int level) { return toText(clampLevel(level)); }

std::string battleMechGrant(int level) {
  static const std::array<const char*, 5> kClasses{"Dispossessed", "Light", "Medium", "Heavy",
                                                   "Assault"};
  return kClasses[static_cast<std::size_t>(clampLevel(level))];
}

int priorityPointsSpent(const Warrior& w) {
  int total = 0;
  for (auto level : w.priorityLevel) total += level;
  return total;
}

void setPriorityLevel(RuleContext& ctx, Pool pool, int level) {
  level = clampLevel(level);
  Warrior& w = ctx.warrior;
  if (w.priorityLevel[pool] == level) return;
  const std::int16_t levelBefore = w.priorityLevel[pool];
  const std::string echoBefore = w.priorityEcho[pool];
  w.priorityLevel[pool] = static_cast<std::int16_t>(level);
  bool kept = true;
  switch (pool) {
    case kRace:
      kept = raceLevelChanged(ctx, level);
      break;
    case kAttributes:
      kept = attributesLevelChanged(ctx, level);
      break;
    case kSkills:
      kept = skillsLevelChanged(ctx, level);
      break;
    case kAdvantages:
      kept = advantagesLevelChanged(ctx, level);
      break;
    case kBattleMech:
      kept = battleMechLevelChanged(ctx, level);
      break;
  }
  if (kept) return;
  // A No to a reset question: the bar goes back to where it was, so that bar, echo, grant and
  // points left agree. Nothing runs again, so nothing is asked twice.
  w.priorityLevel[pool] = levelBefore;
  w.priorityEcho[pool] = echoBefore;
}

void movePriorityBar(RuleContext& ctx, Pool pool, int level) {
  const Warrior& w = ctx.warrior;
  const int held = w.priorityLevel[pool];
  const int room = ctx.shared.priorityMaximum - (priorityPointsSpent(w) - held);
  setPriorityLevel(ctx, pool, level > held ? std::max(held, std::min(level, room)) : level);
}

Formula pointsLeftFormula(const Warrior& w, int priorityMaximum) {
  Formula f{"Points Left", true, "maximum", priorityMaximum, {}};
  for (int p = 0; p < kPoolCount; ++p)
    f.terms.push_back({1, poolTitle(static_cast<Pool>(p)), w.priorityLevel[p]});
  return f;
}

void applyBudgetRule(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  w.pointsLeft = toText(pointsLeftFormula(w, ctx.shared.priorityMaximum).value());
  const std::int64_t left = integerPart(w.pointsLeft);
  for (int p = 0; p < kPoolCount; ++p) {
    const std::int64_t bound =
        std::min<std::int64_t>(left + w.priorityLevel[p], kHighestPriorityLevel);
    w.priorityBound[p] = clampToInt16(bound);
  }
}

int priorityBarMaximum(const Warrior& w, Pool pool) {
  return std::clamp<int>(std::max(w.priorityBound[pool], w.priorityLevel[pool]),
                         kLowestPriorityLevel, kHighestPriorityLevel);
}

std::string priorityBoundNote(const Warrior& w, Pool pool, bool up) {
  const std::string name = std::string("The ") + poolTitle(pool) + " priority";
  if (!up) return name + " is at its lowest level, " + toText(kLowestPriorityLevel) + ".";
  if (w.priorityLevel[pool] >= kHighestPriorityLevel)
    return name + " is at its highest level, " + toText(kHighestPriorityLevel) + ".";
  return name + " can go no higher: Points Left is " + w.pointsLeft + ".";
}

void modifyPriorityPoints(RuleContext& ctx) {
  const auto answer = ctx.prompter.askText(kPriorityMaximumPrompt);
  if (!answer) return;
  const std::string typed = trimBlanks(*answer);
  if (typed.empty()) return;
  const int spent = priorityPointsSpent(ctx.warrior);
  const auto maximum = parseWholeNumber(typed);
  if (!maximum || *maximum < 0 || *maximum > kHighestPriorityMaximum) {
    ctx.prompter.showMessage(priorityMaximumRangeMessage(spent), MessageIcon::Information);
    return;
  }
  if (*maximum < spent) {
    ctx.prompter.showMessage(priorityMaximumBelowSpentMessage(spent), MessageIcon::Information);
    return;
  }
  // The bounds stay as they are; every window takes the new maximum at its next change.
  ctx.warrior.pointsLeft = typed;
  ctx.shared.priorityMaximum = static_cast<int>(*maximum);
}

}  // namespace dk
