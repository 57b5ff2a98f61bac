#pragma once
// Attribute scores and the free attribute points: raising and lowering a score are the commands
// of the ten arrow buttons of the "Stats" tab. What follows from the scores is in
// Characteristics.

#include <cstdint>

#include "core/context/RuleContext.h"
#include "core/model/Warrior.h"
#include "core/util/Formula.h"

namespace dk {

inline constexpr int kNormalAttributeMaximum = 6;
inline constexpr int kExceptionalAttributeScore = 7;
inline constexpr std::int16_t kExceptionalAttributeCost = 2;

inline constexpr char kExceptionalAttribute[] = "Exceptional Attribute";
inline constexpr char kExceptionalAttributeUnaffordable[] =
    "To do so you'd need exceptional attribute and you don't have enough points for that, sorry";
inline constexpr char kExceptionalAttributeQuestion[] =
    "You will have to add exceptional attribute to do so, are you sure?";

// A score as bought: the score less the racial modifiers applied to it. The modifiers neither
// make nor take attribute points.
std::int64_t boughtScore(const Warrior& w, Attribute a);

// BLD + REF + 2 x INT + LRN + CHA of the bought scores: the attribute points the scores use.
std::int64_t weightedAttributeSum(const Warrior& w);

// The free points as the attributes grant less the bought scores:
// "Free 3 = 24 − (BLD 4 + REF 5 + 2 × INT 4 + LRN 3 + CHA 1)".
Formula freeAttributePointsFormula(const Warrior& w);

// What the attributes grant leaves after the scores: the free points, also before the first
// raise, when the display still shows the whole grant.
std::int64_t attributePointsLeft(const Warrior& w);

// "->": one point up, or to 7 through the exceptional attribute for a human at 6. A raise
// that is not allowed (too few free points, a score at its maximum) is ignored silently.
void raiseAttribute(RuleContext& ctx, Attribute a);

// "<-": one point down, never below a bought score of 1. Gives back no advantage points.
void lowerAttribute(RuleContext& ctx, Attribute a);

// Free attribute points = attributes grant - weighted attribute sum.
void updateTotalPts(Warrior& w);

}  // namespace dk
