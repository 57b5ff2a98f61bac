#pragma once
// Buying and returning weapons and equipment. Purchases are paid from the gear purse (the
// equipment C-Bills until they are transferred, the C-Bills after); refunds always go to the
// C-Bills. The asset worth totals the catalogue cost of the gear owned.

#include <string>
#include <vector>

#include "core/catalogue/GearCatalogue.h"
#include "core/context/RuleContext.h"

namespace dk {

inline constexpr const char* kSelectWeaponToAdd = "Please select a weapon to add.";
inline constexpr const char* kSelectEquipmentToAdd = "Please select a piece of Equipment to add.";
inline constexpr const char* kSelectWeaponToRemove = "Please select a weapon to remove.";
inline constexpr const char* kSelectEquipmentToRemove =
    "Please select a piece of Equipment to remove.";
inline constexpr const char* kNotEnoughCBills = "Not enough C-Bills.";

// "The cost of \"<name>\" (\"<cost>\") is not a number, so it cannot be bought." / "... refunded."
std::string costNotANumberMessage(const std::string& name, const std::string& cost, bool buying);

// AddWeapon / AddEqpt: one more of the row of that name (the last match wins), or a new row
// with quantity "1". Moves no money.
void addGear(std::vector<GearEntry>& list, const std::string& name);

// DelWeap / DelEqpt: one fewer of the row of that name; the row goes at quantity 1. True when
// the row went. Moves no money.
bool removeOneGear(std::vector<GearEntry>& list, const std::string& name);

// The warrior's list of a kind and its remembered selections.
std::vector<GearEntry>& gearList(Warrior& w, GearKind kind);
std::string& selectedCatalogueRow(Warrior& w, GearKind kind);
std::string& selectedGear(Warrior& w, GearKind kind);

// "Add -->": buys one of the selected catalogue row.
void buyGear(RuleContext& ctx, GearKind kind, const GearCatalogue& catalogue);

// "<-- Remove": returns one of the selected warrior row and refunds its catalogue cost. An item
// the catalogue does not know goes without a refund.
void removeGear(RuleContext& ctx, GearKind kind, const GearCatalogue& catalogue);

// A double click on a catalogue row buys one of it; one on a warrior row returns one of it.
void doubleClickCatalogueGear(RuleContext& ctx, GearKind kind, const GearCatalogue& catalogue,
                              const std::string& row);
void doubleClickOwnedGear(RuleContext& ctx, GearKind kind, const GearCatalogue& catalogue,
                          const std::string& row);

}  // namespace dk
