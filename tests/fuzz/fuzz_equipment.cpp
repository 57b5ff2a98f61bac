// Feeds arbitrary bytes to the equipment catalogue reader: it must never crash, and the rows it
// gives must be named, unique, and no more than the fields read allow.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

#include "files/DataItems.h"
#include "files/TextEncoding.h"
#include "gear/GearCatalogue.h"

namespace {
void check(const dk::GearCatalogue& catalogue, std::size_t fields, std::size_t rowsPerEntry) {
  std::set<std::string> names;
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
  check(dk::equipmentCatalogue(
            dk::equipmentEntries(dk::splitDataItems(text, dk::kEquipmentFieldsRead))),
        dk::kEquipmentFieldsRead, 1);
  return 0;
}
