#pragma once
// The weapon and equipment catalogues: the entries read from "weapons.dat" and "equipt.dat"
// (files/GearFiles) and the rows a warrior window offers, a weapon's ammunition among them.

#include <cstddef>
#include <string>
#include <vector>

namespace dk {

enum class GearKind { Weapons, Equipment };

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

// The shown rows: entries up to the first without a name, a weapon's ammunition row (name
// + " (Ammo)", type + " Ammo", the ammunition cost) right after it when that cost is a number
// above 0. A name already shown is left out and listed in droppedNames.
GearCatalogue weaponCatalogue(std::vector<WeaponItem> entries);
GearCatalogue equipmentCatalogue(std::vector<EquipmentItem> entries);

}  // namespace dk
