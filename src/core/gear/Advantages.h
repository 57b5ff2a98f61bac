#pragma once
// Advantages: the sixteen traits bought with the advantage points, each with its price, its
// maximum and for four of them an effect on Edge or the money.

#include <string>
#include <vector>

#include "core/catalogue/SkillCatalogue.h"
#include "core/context/RuleContext.h"

namespace dk {

inline constexpr const char* kNotEnoughPoints = "You don't have enough points";
inline constexpr const char* kAlreadyHaveAdvantage = "You already have that advantage!";
inline constexpr const char* kNotClanWarrior = "You're not a clan warrior!";
inline constexpr const char* kAdvantageAtMaximum = "You're as high in that advantage as you can go";
inline constexpr const char* kResetAdvantagesQuestion = "Are you sure?";

// The catalogue in the order it is entered, and in the order the list shows it (alphabetical).
const std::vector<std::string>& advantageCatalogue();
std::vector<std::string> advantagesAlphabetically();

inline constexpr int kNaturalAptitudePrice = 2;
inline constexpr int kNaturalAptitudeCombatPrice = 3;

// The combat skills named as such (every "Gunnery" skill is one too).
const std::vector<std::string>& combatSkillNames();

// Whether Natural Aptitude for this skill costs 3 (a combat skill) rather than 2.
bool isCombatSkill(const std::string& skill);

// "Add -->": one purchase of the advantage last clicked in the catalogue (nothing when none).
void buyAdvantage(RuleContext& ctx);

// A double click on a catalogue row buys one purchase of it.
void doubleClickAdvantage(RuleContext& ctx, const std::string& advantage);

// Takes back what the advantages brought, so the warrior is as if none had been bought: the
// money of Wealth and Well-Equipped, the Edge of Extra Edge, and the scores raised past the
// normal maximum through Exceptional Attribute; then empties the list. The points are the
// caller's. False, with nothing changed, when the money would leave the 32-bit range.
bool takeBackAdvantages(Warrior& w, const SkillCatalogue& catalogue);

// The C-Bills that "Wealth" (above the starting 200) or "Well-Equipped" has given at that level;
// 0 for any other advantage or level.
std::int64_t moneyGiven(const std::string& advantage, std::int64_t level);

// "Reset": after "Are you sure?", takes the advantages back and gives back every granted point.
void resetAdvantages(RuleContext& ctx);

// A warrior who is no longer of a clan keeps no clan-only advantage: each goes and its price
// comes back to the advantage points.
void takeBackClanOnlyAdvantages(Warrior& w);

// What the rules know of an advantage row: its price (of one step for a stepped one), the
// highest level it may reach, and who may buy it. Exceptional Attribute (bought through a score)
// and a "Natural Aptitude (<skill>)" row are known too; nullptr for a name the game does not have.
struct AdvantageRule {
  const char* name;
  int price;
  int highestLevel;
  bool stepped;
  bool clanOnly;
};
const AdvantageRule* advantageRule(const std::string& rowName);

// The skill of a "Natural Aptitude (<skill>)" row; empty for any other row.
std::string aptitudeSkillOf(const std::string& row);

// The advantage points the rows have cost: each row's level is what it cost (the steps of a
// stepped one, the price of the others), but the racial Toughness that the Elemental modifiers
// bring, which is free.
std::int64_t advantagePointsSpent(const Warrior& w);

}  // namespace dk
