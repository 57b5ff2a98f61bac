#pragma once
// The roster of the open warriors: one row each, what a gamemaster compares across the table.

#include <array>
#include <string>

#include "core/app/CheckWarrior.h"
#include "core/model/Warrior.h"

namespace dk {

inline constexpr std::array<const char*, 10> kRosterColumns{
    "Warrior",       "Rank",    "Race",        "Attribute Pts", "Skill Pts",
    "Advantage Pts", "C-Bills", "Asset Worth", "Saved",         "Check"};

struct RosterRow {
  std::array<std::string, kRosterColumns.size()> cells;
  std::string checkReport;  // the whole report of Check Warrior, for the row's tooltip
};

// The row of a warrior: its caption, rank and race, the unspent points of each pool (the skill
// points of the area in front), its money, whether it is saved, and what Check Warrior finds.
RosterRow rosterRow(const Warrior& w, bool saved, const CheckCatalogues& catalogues);

}  // namespace dk
