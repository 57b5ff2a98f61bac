#pragma once
// Attribute scores and what follows from them: the free attribute points, the four
// characteristics and the damage thresholds. Raising and lowering a score are the commands of
// the ten arrow buttons of the "Stats" tab.

#include <cstdint>

#include "model/RuleContext.h"
#include "model/Warrior.h"
#include "skills/SkillCatalogue.h"

namespace dk {

inline constexpr int kNormalAttributeMaximum = 6;
inline constexpr int kExceptionalAttributeScore = 7;
inline constexpr std::int16_t kExceptionalAttributeCost = 2;

inline constexpr char kExceptionalAttribute[] = "Exceptional Attribute";
inline constexpr char kExceptionalAttributeUnaffordable[] =
    "To do so you'd need exceptional attribute and you don't have enough points for that, sorry";
inline constexpr char kExceptionalAttributeQuestion[] =
    "You will have to add exceptional attribute to do so, are you sure?";

// A score as the 16-bit number the rules compute with: the integer part of its text, a text
// beyond the 16-bit range counting as the nearest 16-bit value.
std::int16_t scoreValue(const Warrior& w, Attribute a);

// "->": one point up, or to 7 through the exceptional attribute for a human at 6. A raise
// that is not allowed is ignored silently.
void raiseAttribute(RuleContext& ctx, Attribute a);

// "<-": one point down, never below 1. Gives back no advantage points.
void lowerAttribute(RuleContext& ctx, Attribute a);

// Free attribute points = attributes grant - weighted attribute sum.
void updateTotalPts(Warrior& w);

// Athletic 18-(BLD+REF), Physical 18-(REF+INT), Mental 18-(INT+LRN), Social 18-(INT+CHA).
void updateCharacteristics(Warrior& w);

// Head 2xBLD, torso 6xBLD, arm and leg 3xBLD.
void updateThresholds(Warrior& w);

// Everything that follows a change of any score, whoever made it: the characteristics, every
// skill roll (classes from the shared catalogue), and the thresholds when Build was among the
// changed scores. (The damage columns in use follow Build by themselves.)
void scoresChanged(Warrior& w, const SkillCatalogue& catalogue, bool buildChanged);

}  // namespace dk
