#include "core/character/Attributes.h"

#include "core/character/Characteristics.h"
#include "core/character/Race.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {
// Intuition counts twice in the weighted sum, so it also costs two points to raise.
int raiseCost(Attribute a) { return a == kINT ? 2 : 1; }
}  // namespace

std::int64_t boughtScore(const Warrior& w, Attribute a) {
  return std::int64_t{scoreValue(w, a)} - appliedRaceModifiers(w).delta[a];
}

Formula freeAttributePointsFormula(const Warrior& w) {
  Formula f{"Free", true, {}, integerPart(w.priorityGrant[kAttributes]), {}};
  for (int i = 0; i < kAttributeCount; ++i) {
    const auto a = static_cast<Attribute>(i);
    f.terms.push_back({raiseCost(a), attributeCode(a), boughtScore(w, a)});
  }
  return f;
}

std::int64_t weightedAttributeSum(const Warrior& w) {
  const Formula free = freeAttributePointsFormula(w);
  return free.base - free.value();
}

std::int64_t attributePointsLeft(const Warrior& w) { return freeAttributePointsFormula(w).value(); }

void raiseAttribute(RuleContext& ctx, Attribute a) {
  Warrior& w = ctx.warrior;
  const std::int64_t s = scoreValue(w, a);
  // The maximum holds for the score as bought, so that the modifiers put on first do not move it.
  const std::int64_t bought = boughtScore(w, a);
  const std::int64_t free = attributePointsLeft(w);
  if (free < raiseCost(a)) {
    const std::string name = attributeTitle(a);
    ctx.prompter.note(name + " cannot go up: a point of " + name + " costs " +
                      toText(raiseCost(a)) + ", and Free is " + toText(free) + ".");
    return;
  }

  if (w.priorityGrant[kRace] == "Human" && bought == kNormalAttributeMaximum) {
    // Only a human may go past the normal maximum, and only by buying the advantage.
    if (integerPart(w.advantagePoints) < kExceptionalAttributeCost) {
      ctx.prompter.showMessage(kExceptionalAttributeUnaffordable, MessageIcon::Information);
      return;
    }
    if (!ctx.prompter.askYesNo(kExceptionalAttributeQuestion, MessageIcon::Question)) return;
    w.addAdv(kExceptionalAttribute, kExceptionalAttributeCost);
    w.advantagePoints = toText(integerPart(w.advantagePoints) - kExceptionalAttributeCost);
    w.attributeScore[a] = toText(kExceptionalAttributeScore);
  } else if (bought < kNormalAttributeMaximum) {
    w.attributeScore[a] = toText(s + 1);
  } else {
    ctx.prompter.note(std::string(attributeTitle(a)) + " is at its highest score.");
    return;
  }
  updateTotalPts(w);
  scoresChanged(w, ctx.shared.skillCatalogue, a == kBLD);
  w.attributesTouched = true;
}

void lowerAttribute(RuleContext& ctx, Attribute a) {
  Warrior& w = ctx.warrior;
  const std::int64_t s = scoreValue(w, a);
  // Never below the 1 bought: the racial modifiers on top are not the player's to sell.
  if (boughtScore(w, a) < 2) {
    ctx.prompter.note(std::string(attributeTitle(a)) +
                      " is at its lowest: a score is never bought below 1.");
    return;
  }
  w.attributeScore[a] = toText(s - 1);
  updateTotalPts(w);
  scoresChanged(w, ctx.shared.skillCatalogue, a == kBLD);
}

void updateTotalPts(Warrior& w) { w.freeAttributePoints = toText(attributePointsLeft(w)); }

}  // namespace dk
