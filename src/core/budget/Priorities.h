#pragma once
// The priority budget: five pools with a level from 0 to 4 each, a level costing as many
// priority points as its number, and what each level grants. Changing a level runs that pool's
// change procedure; a procedure that refuses a level moves it one step up through the same path,
// so the checks run again for the new level.

#include <cstdint>
#include <string>
#include <vector>

#include "core/context/RuleContext.h"
#include "core/model/Warrior.h"
#include "core/util/Formula.h"

namespace dk {

inline constexpr int kLowestPriorityLevel = 0;
inline constexpr int kHighestPriorityLevel = 4;
// The gamemaster may raise the budget, but not without limit: two digits are plenty for five
// pools of at most 4 points each.
inline constexpr int kHighestPriorityMaximum = 99;

inline constexpr char kAttributesNotCovered[] =
    "By doing this, you would put you wouldn't have enough points for you current Attributes.  "
    "Please remove some attributes before doing this.";
inline constexpr char kSkillsNotCovered[] =
    "You have too few skill pints to do this.  Please remove some skills before doing so.";
inline constexpr char kAttributesBeyondHighestLevel[] =
    "Even the highest Attributes priority does not cover your current attributes.  "
    "Please lower some attributes.";
inline constexpr char kSkillsBeyondHighestLevel[] =
    "Even the highest Skills priority does not cover your current skills.  "
    "Please remove some skills.";
inline constexpr char kClanPackageResetQuestion[] =
    "You will have to reset your current skills if you want to do this.  Do you wish to continue?";
inline constexpr char kAdvantagesResetQuestion[] = "This will reset your advantages.  Is this ok?";
inline constexpr char kPriorityMaximumPrompt[] =
    "Please enter the maximum number of Priority Points:";

// "Please enter a whole number from <spent> to 99."
std::string priorityMaximumRangeMessage(int spent);
// "The maximum cannot be less than the <spent> priority points this warrior already uses."
std::string priorityMaximumBelowSpentMessage(int spent);

// What a level grants (levels outside 0..4 count as the nearest of them).
std::string attributeGrant(int level);   // "18" .. "30"
std::string skillGrant(int level);       // "8" .. "24"
std::string advantageGrant(int level);   // "0" .. "4"
std::string battleMechGrant(int level);  // "Dispossessed", "Light", "Medium", "Heavy", "Assault"

// The sum of the five levels: the priority points this warrior uses.
int priorityPointsSpent(const Warrior& w);

// Moves a pool's bar to a level (clamped to 0..4). Nothing runs when the bar already holds it;
// otherwise the level is stored and the pool's change procedure runs.
void setPriorityLevel(RuleContext& ctx, Pool pool, int level);

// A move of a pool's bar by the user: as setPriorityLevel, but a raise goes no further than the
// maximum every window shares allows now. (The bars' bounds are those of the last change, so
// after the gamemaster lowered the maximum they may still offer more.)
void movePriorityBar(RuleContext& ctx, Pool pool, int level);

// "Points Left 3 = maximum 10 − (Race 2 + Attributes 3 + Skills 2 + Advantages 0 +
// BattleMech 0)".
Formula pointsLeftFormula(const Warrior& w, int priorityMaximum);

// Points left = priority maximum - levels spent; each bound = points left + level, at most 4.
// A bound may fall below its level (or below 0) when the maximum is below the points spent.
void applyBudgetRule(RuleContext& ctx);

// The maximum of a pool's bar: its bound, but never below its own level, so a bar can always
// be lowered and a bound below the level never moves the level by itself.
int priorityBarMaximum(const Warrior& w, Pool pool);

// What a click past a bar's end is told, in passing: "The Skills priority can go no higher:
// Points Left is 0." (up) or that it is at its lowest level (down).
std::string priorityBoundNote(const Warrior& w, Pool pool, bool up);

// "Modify Priority Points": asks for the new maximum, a whole number from the points this
// warrior already uses to 99. The next level change of any window uses it.
void modifyPriorityPoints(RuleContext& ctx);

}  // namespace dk
