// Feeds arbitrary bytes to both gear catalogue readers, weapons and equipment: neither may crash,
// and the rows each gives must be named, unique, and no more than the fields read allow (a weapon
// and its ammunition, an item of equipment).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <unordered_set>

#include "core/files/DataItems.h"
#include "core/files/GearFiles.h"
#include "core/util/TextEncoding.h"

namespace {
void check(const dk::GearCatalogue& catalogue, std::size_t fields, std::size_t rowsPerEntry) {
  std::unordered_set<std::string_view> names(catalogue.rows.size());
  for (const auto& row : catalogue.rows) {
    if (row.name.empty() || !names.insert(row.name).second) std::abort();
  }
  const std::size_t entries = catalogue.weapons.size() + catalogue.equipment.size();
  if (entries > fields || catalogue.rows.size() > entries * rowsPerEntry) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text =
      dk::decodeFileText(std::string_view(reinterpret_cast<const char*>(data), size));
  // One split for both: the equipment reader takes the first of the fields the weapons take.
  static_assert(dk::kEquipmentFieldsRead <= dk::kWeaponFieldsRead);
  auto fields = dk::splitDataItems(text, dk::kWeaponFieldsRead);
  check(dk::weaponCatalogue(dk::weaponEntries(fields)), dk::kWeaponFieldsRead, 2);
  if (fields.size() > dk::kEquipmentFieldsRead) fields.resize(dk::kEquipmentFieldsRead);
  check(dk::equipmentCatalogue(dk::equipmentEntries(fields)), dk::kEquipmentFieldsRead, 1);
  return 0;
}
