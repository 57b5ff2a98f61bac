#pragma once
// What follows from the attribute scores: the four characteristics, the skill rolls taken from
// them (SkillRolls) and the damage thresholds.

#include "core/catalogue/SkillCatalogue.h"
#include "core/model/Warrior.h"
#include "core/util/Formula.h"

namespace dk {

// Athletic 18-(BLD+REF), Physical 18-(REF+INT), Mental 18-(INT+LRN), Social 18-(INT+CHA).
Formula characteristicFormula(const Warrior& w, Characteristic c);
void updateCharacteristics(Warrior& w);

// Head 2xBLD, torso 6xBLD, arm and leg 3xBLD.
enum ThresholdPart : int { kHead = 0, kTorso, kArm, kLeg };
inline constexpr int kThresholdParts = 4;
Formula thresholdFormula(const Warrior& w, ThresholdPart part);
// The threshold text of a part, as the record keeps it.
std::string& thresholdText(Warrior& w, ThresholdPart part);
const std::string& thresholdText(const Warrior& w, ThresholdPart part);
void updateThresholds(Warrior& w);

// Everything that follows a change of any score, whoever made it: the characteristics, every
// skill roll (classes from the shared catalogue), and the thresholds when Build was among the
// changed scores. (The damage columns in use follow Build by themselves.)
void scoresChanged(Warrior& w, const SkillCatalogue& catalogue, bool buildChanged);

}  // namespace dk
