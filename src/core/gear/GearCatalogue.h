#pragma once
// The weapon and equipment catalogues read from "weapons.dat" and "equipt.dat". A file is a run
// of fields: a field beginning with "Start" names the type of the entries after it (from its
// seventh character on); any other field begins an entry of three fields (weapon: name, cost,
// ammunition cost) or two (equipment: name, cost). Only the first 293 and 257 fields are read.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "app/Prompter.h"
#include "files/DataItems.h"

namespace dk {

enum class GearKind { Weapons, Equipment };

inline constexpr const char* kWeaponsFile = "weapons.dat";
inline constexpr const char* kEquipmentFile = "equipt.dat";
inline constexpr std::size_t kWeaponFieldsRead = 293;
inline constexpr std::size_t kEquipmentFieldsRead = 257;
// Each table has room for entries 0 to 500; the fields read cannot fill it.
inline constexpr std::size_t kCatalogueEntries = 501;

struct WeaponItem {
  std::string name;
  std::string cost;      // C-Bills, a decimal number as text
  std::string ammoCost;  // C-Bills per unit of ammunition; 0 or empty for none
  std::string type;
  bool operator==(const WeaponItem&) const = default;
};

struct EquipmentItem {
  std::string name;
  std::string cost;
  std::string type;
  bool operator==(const EquipmentItem&) const = default;
};

// One row of the catalogue list a window shows: an entry, or the ammunition of a weapon.
struct GearRow {
  std::string name;  // the row key
  std::string type;
  std::string cost;
  bool operator==(const GearRow&) const = default;
};

// What one file gave: the table of entries (all of them, also those after an entry without a
// name), the rows shown (up to that entry, each name once) and the names left out because an
// earlier row already had them.
struct GearCatalogue {
  std::vector<WeaponItem> weapons;       // the weapon table (empty for equipment)
  std::vector<EquipmentItem> equipment;  // the equipment table (empty for weapons)
  std::vector<GearRow> rows;
  std::vector<std::string> droppedNames;

  // The row of that name, or nullptr.
  const GearRow* find(const std::string& name) const;
  bool operator==(const GearCatalogue&) const = default;
};

// The entries of the fields of a file (at most the fields the loader reads are expected).
std::vector<WeaponItem> weaponEntries(const std::vector<DataItem>& fields);
std::vector<EquipmentItem> equipmentEntries(const std::vector<DataItem>& fields);

// The shown rows: entries up to the first without a name, a weapon's ammunition row (name
// + " (Ammo)", type + " Ammo", the ammunition cost) right after it when that cost is a number
// above 0. A name already shown is left out and listed in droppedNames.
GearCatalogue weaponCatalogue(std::vector<WeaponItem> entries);
GearCatalogue equipmentCatalogue(std::vector<EquipmentItem> entries);

// Reads a catalogue file. A file that cannot be read gives an empty catalogue; every problem
// (unreadable file, names left out) is told in one message naming the file.
GearCatalogue readGearCatalogue(GearKind kind, const std::string& path, Prompter& prompter);

// LoadWeapons, then LoadEquipment: reads both files from the folder (empty: the working folder)
// into the shared tables, as every new warrior window does. A table whose contents did not
// change keeps the object it had, so windows created one after another share it.
void loadGearCatalogues(AppState& app, Prompter& prompter, const std::string& folder = {});

// The file a kind is read from.
const char* gearFileName(GearKind kind);

// A message listing the names a file gave more than once.
std::string duplicateNamesMessage(const std::string& fileName,
                                  const std::vector<std::string>& names);

}  // namespace dk
