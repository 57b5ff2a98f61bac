#include "core/files/GearFiles.h"

#include <algorithm>

namespace dk {

namespace {
bool isSectionMarker(const std::string& field) { return field.compare(0, 5, "Start") == 0; }

// The type a marker names: its text from the seventh character on (the sixth, normally a blank,
// is dropped).
std::string markerType(const std::string& field) {
  return field.size() > 6 ? field.substr(6) : std::string();
}

// A field position past the last field read counts as an empty field.
const std::string& fieldAt(const std::vector<DataItem>& fields, std::size_t i) {
  static const std::string empty;
  return i < fields.size() ? fields[i].text : empty;
}

// Walks the fields: markers set the type, anything else begins an entry of `width` fields.
template <typename Entry, typename Make>
void walkEntries(const std::vector<DataItem>& fields, std::size_t width,
                 std::vector<Entry>& entries, Make make) {
  // Room for the most entries the fields can give: no entry is moved while the list grows.
  entries.reserve(std::min<std::size_t>(kCatalogueEntries, fields.size() / width + 1));
  std::string type;
  std::size_t i = 0;
  std::size_t stored = 0;
  while (i < fields.size() && stored < kCatalogueEntries) {
    if (isSectionMarker(fields[i].text)) {
      type = markerType(fields[i].text);
      ++i;
      continue;
    }
    make(i, type);
    ++stored;
    i += width;
  }
}

}  // namespace

std::vector<WeaponItem> weaponEntries(const std::vector<DataItem>& fields) {
  std::vector<WeaponItem> entries;
  walkEntries(fields, 3, entries, [&](std::size_t i, const std::string& type) {
    entries.push_back({fields[i].text, fieldAt(fields, i + 1), fieldAt(fields, i + 2), type});
  });
  return entries;
}

std::vector<EquipmentItem> equipmentEntries(const std::vector<DataItem>& fields) {
  std::vector<EquipmentItem> entries;
  walkEntries(fields, 2, entries, [&](std::size_t i, const std::string& type) {
    entries.push_back({fields[i].text, fieldAt(fields, i + 1), type});
  });
  return entries;
}

const char* gearFileName(GearKind kind) {
  return kind == GearKind::Weapons ? kWeaponsFile : kEquipmentFile;
}

std::string duplicateNamesMessage(const std::string& fileName,
                                  const std::vector<std::string>& names) {
  std::string list;
  for (const auto& name : names) list += (list.empty() ? "\"" : ", \"") + name + "\"";
  return "The data file \"" + fileName + "\" names " + (names.size() == 1 ? "an item" : "items") +
         " more than once; only the first of each is offered. Left out: " + list + ".";
}

Result<GearCatalogue> readGearFile(GearKind kind, const std::string& path) {
  const bool weapons = kind == GearKind::Weapons;
  const auto fields = readDataFileItems(path, weapons ? kWeaponFieldsRead : kEquipmentFieldsRead);
  if (!fields) {
    return Result<GearCatalogue>::failure(
        dataFileUnreadableMessage(gearFileName(kind), fields.message()));
  }
  GearCatalogue catalogue = weapons ? weaponCatalogue(weaponEntries(*fields))
                                    : equipmentCatalogue(equipmentEntries(*fields));
  std::string problem;
  if (!catalogue.droppedNames.empty())
    problem = duplicateNamesMessage(gearFileName(kind), catalogue.droppedNames);
  return {std::move(catalogue), std::move(problem)};
}

}  // namespace dk
