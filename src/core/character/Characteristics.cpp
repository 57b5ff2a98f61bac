#include "core/character/Characteristics.h"

#include "core/character/SkillRolls.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {
constexpr int kCharacteristicBase = 18;
}  // namespace

Formula characteristicFormula(const Warrior& w, Characteristic c) {
  static constexpr const char* kNames[kCharacteristicCount] = {"Athletic", "Physical", "Mental",
                                                               "Social"};
  static constexpr Attribute kFrom[kCharacteristicCount][2] = {
      {kBLD, kREF}, {kREF, kINT}, {kINT, kLRN}, {kINT, kCHA}};
  Formula f{kNames[c], true, {}, kCharacteristicBase, {}};
  for (const Attribute a : kFrom[c]) f.terms.push_back({1, attributeCode(a), scoreValue(w, a)});
  return f;
}

void updateCharacteristics(Warrior& w) {
  for (int c = 0; c < kCharacteristicCount; ++c)
    w.characteristic[c] = toText(characteristicFormula(w, static_cast<Characteristic>(c)).value());
}

Formula thresholdFormula(const Warrior& w, ThresholdPart part) {
  static constexpr const char* kNames[kThresholdParts] = {"Head", "Torso", "Arm", "Leg"};
  static constexpr std::int64_t kTimes[kThresholdParts] = {2, 6, 3, 3};
  return {kNames[part], false, {}, 0, {{kTimes[part], "BLD", scoreValue(w, kBLD)}}};
}

std::string& thresholdText(Warrior& w, ThresholdPart part) {
  std::string* texts[kThresholdParts] = {&w.thresholdHead, &w.thresholdTorso, &w.thresholdArm,
                                         &w.thresholdLeg};
  return *texts[part];
}

const std::string& thresholdText(const Warrior& w, ThresholdPart part) {
  return thresholdText(const_cast<Warrior&>(w), part);
}

void updateThresholds(Warrior& w) {
  for (int part = 0; part < kThresholdParts; ++part)
    thresholdText(w, static_cast<ThresholdPart>(part)) =
        toText(thresholdFormula(w, static_cast<ThresholdPart>(part)).value());
}

void scoresChanged(Warrior& w, const SkillCatalogue& catalogue, bool buildChanged) {
  updateCharacteristics(w);
  updateSkillRolls(w, catalogue);
  if (buildChanged) updateThresholds(w);
}

}  // namespace dk
