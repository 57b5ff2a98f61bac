#include "core/character/Characteristics.h"

#include "core/character/SkillRolls.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {
constexpr int kCharacteristicBase = 18;
}  // namespace

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
