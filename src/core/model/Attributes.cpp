#include "model/Attributes.h"

#include "model/Priorities.h"
#include "skills/SkillAreas.h"
#include "util/Numeric.h"

namespace dk {

namespace {
constexpr int kCharacteristicBase = 18;

// Intuition counts twice in the weighted sum, so it also costs two points to raise.
int raiseCost(Attribute a) { return a == kINT ? 2 : 1; }
}  // namespace

std::int16_t scoreValue(const Warrior& w, Attribute a) {
  return clampToInt16(integerPart(w.attributeScore[a]));
}

void raiseAttribute(RuleContext& ctx, Attribute a) {
  Warrior& w = ctx.warrior;
  const std::int64_t s = scoreValue(w, a);
  const bool pointsSuffice = integerPart(w.freeAttributePoints) >= raiseCost(a);
  if (!pointsSuffice) return;

  if (w.priorityGrant[kRace] == "Human" && s == kNormalAttributeMaximum) {
    // Only a human may go past the normal maximum, and only by buying the advantage.
    if (integerPart(w.advantagePoints) < kExceptionalAttributeCost) {
      ctx.prompter.showMessage(kExceptionalAttributeUnaffordable, MessageIcon::Information);
      return;
    }
    if (!ctx.prompter.askYesNo(kExceptionalAttributeQuestion, MessageIcon::Question)) return;
    w.addAdv(kExceptionalAttribute, kExceptionalAttributeCost);
    w.advantagePoints = toText(integerPart(w.advantagePoints) - kExceptionalAttributeCost);
    w.attributeScore[a] = toText(kExceptionalAttributeScore);
  } else if (s < kNormalAttributeMaximum) {
    w.attributeScore[a] = toText(s + 1);
  } else {
    return;
  }
  updateTotalPts(w);
  scoresChanged(w, ctx.app.skillCatalogue, a == kBLD);
  w.attributesTouched = true;
}

void lowerAttribute(RuleContext& ctx, Attribute a) {
  Warrior& w = ctx.warrior;
  const std::int64_t s = scoreValue(w, a);
  if (s < 2) return;
  w.attributeScore[a] = toText(s - 1);
  updateTotalPts(w);
  scoresChanged(w, ctx.app.skillCatalogue, a == kBLD);
}

void updateTotalPts(Warrior& w) {
  w.freeAttributePoints =
      toText(integerPart(w.priorityGrant[kAttributes]) - weightedAttributeSum(w));
}

void updateCharacteristics(Warrior& w) {
  const std::int64_t bld = scoreValue(w, kBLD), ref = scoreValue(w, kREF),
                     intu = scoreValue(w, kINT), lrn = scoreValue(w, kLRN),
                     cha = scoreValue(w, kCHA);
  w.characteristic[kAthletic] = toText(kCharacteristicBase - (bld + ref));
  w.characteristic[kPhysical] = toText(kCharacteristicBase - (ref + intu));
  w.characteristic[kMental] = toText(kCharacteristicBase - (intu + lrn));
  w.characteristic[kSocial] = toText(kCharacteristicBase - (intu + cha));
}

void updateThresholds(Warrior& w) {
  const std::int64_t bld = scoreValue(w, kBLD);
  w.thresholdHead = toText(2 * bld);
  w.thresholdTorso = toText(6 * bld);
  w.thresholdArm = toText(3 * bld);
  w.thresholdLeg = toText(3 * bld);
}

void scoresChanged(Warrior& w, const SkillCatalogue& catalogue, bool buildChanged) {
  updateCharacteristics(w);
  updateSkillRolls(w, catalogue);
  if (buildChanged) updateThresholds(w);
}

}  // namespace dk
