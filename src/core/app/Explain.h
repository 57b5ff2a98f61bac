#pragma once
// What the window says in its tooltips, so that it explains its prices without looking any
// different: what a catalogue row costs before it is bought, how a derived value is worked out
// with this warrior's numbers (from the same formula the rules compute it with), and why a
// training button is closed.

#include <string>

#include "core/catalogue/GearCatalogue.h"
#include "core/catalogue/SkillCatalogue.h"
#include "core/model/Warrior.h"
#include "core/util/Formula.h"

namespace dk {

// "Level 3 of Gunnery costs 3 skill points." / "... comes with the training, for no points."
std::string skillPriceTip(const Warrior& w, SkillArea area, const std::string& skill);
// "Costs 1 advantage point a level, up to level 3." / "Costs 2 advantage points; taken once."
std::string advantagePriceTip(const std::string& advantage);
// "Costs 150 C-Bills."
std::string gearPriceTip(const GearRow& row);

// The formula of a value the window shows as `shown`; when the shown value is not (yet) what
// the formula gives (a file or the gamemaster set it), both are said.
std::string derivedTip(const std::string& shown, const Formula& formula);
// The free attribute points: the whole grant until the first score is raised, then the formula.
std::string freeAttributePointsTip(const Warrior& w);
// The tooltip of an owned skill: how its roll is worked out; "Not in the catalogues here" for a
// skill the catalogue does not hold; empty for one whose class it does not know.
std::string skillRollTip(const SkillEntry& skill, const Warrior& w,
                         const SkillCatalogue& catalogue);
// The tooltip of owned gear: empty, or "Not in the catalogues here".
std::string ownedGearTip(const GearEntry& gear, const GearCatalogue& catalogue);

// The tooltip of an owned row the catalogues here do not hold (made at another table).
inline constexpr char kNotInCatalogues[] = "Not in the catalogues here";
// The status line once a warrior with such rows opens; empty when it has none.
std::string unknownRowsNote(const Warrior& w, const SkillCatalogue& skills,
                            const GearCatalogue& weapons, const GearCatalogue& equipment);

// Why a training button of the Inner Sphere area is closed; empty while it is open.
std::string closedButtonTip(const Warrior& w, SkillButton button);
// Why the clan area's "Add Package" (add) or "Del Package" is closed; empty while it is open.
std::string closedClanPackageTip(const Warrior& w, bool add);

}  // namespace dk
