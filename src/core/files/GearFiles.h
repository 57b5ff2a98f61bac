#pragma once
// Reading the weapon and equipment catalogues. A file is a run of fields: a field beginning with
// "Start" names the type of the entries after it (from its seventh character on); any other
// field begins an entry of three fields (weapon: name, cost, ammunition cost) or two
// (equipment: name, cost). Only the first 293 and 257 fields are read.

#include <cstddef>
#include <string>
#include <vector>

#include "core/catalogue/GearCatalogue.h"
#include "core/files/DataItems.h"
#include "core/util/Result.h"

namespace dk {

inline constexpr const char* kWeaponsFile = "weapons.dat";
inline constexpr const char* kEquipmentFile = "equipt.dat";
inline constexpr std::size_t kWeaponFieldsRead = 293;
inline constexpr std::size_t kEquipmentFieldsRead = 257;
// Each table has room for entries 0 to 500; the fields read cannot fill it.
inline constexpr std::size_t kCatalogueEntries = 501;

// The entries of the fields of a file (at most the fields the loader reads are expected).
std::vector<WeaponItem> weaponEntries(const std::vector<DataItem>& fields);
std::vector<EquipmentItem> equipmentEntries(const std::vector<DataItem>& fields);

// The file a kind is read from.
const char* gearFileName(GearKind kind);

// A message listing the names a file gave more than once.
std::string duplicateNamesMessage(const std::string& fileName,
                                  const std::vector<std::string>& names);

// A catalogue file read: a file that cannot be read gives no catalogue, and names left out come
// with the catalogue; either way the message says so, naming the file.
Result<GearCatalogue> readGearFile(GearKind kind, const std::string& path);

}  // namespace dk
