#pragma once
// The table's own catalogues laid over the shipped ones: a record whose name is new is added
// after the records before it (a weapon or equipment item into its category, a new category after
// the others); a record with the name of an earlier one replaces that one where it stands, so a
// house rule changes a price or a class without changing the order of the list. A new record past
// the limit the rest of the program relies on is left out and named.

#include <cstddef>
#include <string>
#include <vector>

#include "core/catalogue/GearCatalogue.h"
#include "core/catalogue/SkillCatalogue.h"
#include "core/catalogue/SkillPackage.h"
#include "core/catalogue/Specialities.h"

namespace dk {

// Records are matched by their exact names.
void mergeCatalogue(SkillCatalogue& into, const SkillCatalogue& more,
                    std::vector<std::string>& leftOut);
void mergeCatalogue(std::vector<Speciality>& into, const std::vector<Speciality>& more,
                    std::vector<std::string>& leftOut);
void mergeCatalogue(std::vector<SkillPackage>& into, const std::vector<SkillPackage>& more,
                    std::vector<std::string>& leftOut);
// Planet names: a name already listed stays where it is.
void mergeCatalogue(std::vector<std::string>& planets, const std::vector<std::string>& more,
                    std::size_t limit, std::vector<std::string>& leftOut);
// Gear entries: only those the list shows (up to the first without a name) take part; a new one
// goes after the last entry of its category, or after all of them for a new category.
void mergeCatalogue(std::vector<WeaponItem>& into, const std::vector<WeaponItem>& more,
                    std::vector<std::string>& leftOut);
void mergeCatalogue(std::vector<EquipmentItem>& into, const std::vector<EquipmentItem>& more,
                    std::vector<std::string>& leftOut);

// The most entries a merged gear catalogue holds (the table of each kind has room for 501).
inline constexpr std::size_t kMaxMergedGearEntries = 501;

}  // namespace dk
