#include "gear/GearCatalogue.h"

#include <set>

#include "gear/Money.h"

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
template <typename Make>
void walkEntries(const std::vector<DataItem>& fields, std::size_t width, Make make) {
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

class RowCollector {
 public:
  explicit RowCollector(GearCatalogue& catalogue) : catalogue_(catalogue) {}
  void add(GearRow row) {
    if (!seen_.insert(row.name).second) {
      catalogue_.droppedNames.push_back(row.name);
      return;
    }
    catalogue_.rows.push_back(std::move(row));
  }

 private:
  GearCatalogue& catalogue_;
  std::set<std::string> seen_;
};

bool hasAmmunition(const WeaponItem& w) {
  const auto cost = readAmount(w.ammoCost);
  return cost && *cost > 0;
}
}  // namespace

const GearRow* GearCatalogue::find(const std::string& name) const {
  for (const auto& row : rows)
    if (row.name == name) return &row;
  return nullptr;
}

std::vector<WeaponItem> weaponEntries(const std::vector<DataItem>& fields) {
  std::vector<WeaponItem> entries;
  walkEntries(fields, 3, [&](std::size_t i, const std::string& type) {
    entries.push_back({fields[i].text, fieldAt(fields, i + 1), fieldAt(fields, i + 2), type});
  });
  return entries;
}

std::vector<EquipmentItem> equipmentEntries(const std::vector<DataItem>& fields) {
  std::vector<EquipmentItem> entries;
  walkEntries(fields, 2, [&](std::size_t i, const std::string& type) {
    entries.push_back({fields[i].text, fieldAt(fields, i + 1), type});
  });
  return entries;
}

GearCatalogue weaponCatalogue(std::vector<WeaponItem> entries) {
  GearCatalogue catalogue;
  RowCollector rows(catalogue);
  for (const auto& w : entries) {
    if (w.name.empty()) break;  // the shown catalogue ends at the first entry without a name
    rows.add({w.name, w.type, w.cost});
    if (hasAmmunition(w)) rows.add({w.name + " (Ammo)", w.type + " Ammo", w.ammoCost});
  }
  catalogue.weapons = std::move(entries);
  return catalogue;
}

GearCatalogue equipmentCatalogue(std::vector<EquipmentItem> entries) {
  GearCatalogue catalogue;
  RowCollector rows(catalogue);
  for (const auto& e : entries) {
    if (e.name.empty()) break;
    rows.add({e.name, e.type, e.cost});
  }
  catalogue.equipment = std::move(entries);
  return catalogue;
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

GearCatalogue readGearCatalogue(GearKind kind, const std::string& path, Prompter& prompter) {
  const bool weapons = kind == GearKind::Weapons;
  const DataFileItems file =
      readDataFileItems(path, weapons ? kWeaponFieldsRead : kEquipmentFieldsRead);
  if (!file.readable) {
    prompter.showMessage(dataFileUnreadableMessage(gearFileName(kind), file.reason),
                         MessageIcon::Information);
    return {};
  }
  GearCatalogue catalogue = weapons ? weaponCatalogue(weaponEntries(file.items))
                                    : equipmentCatalogue(equipmentEntries(file.items));
  if (!catalogue.droppedNames.empty())
    prompter.showMessage(duplicateNamesMessage(gearFileName(kind), catalogue.droppedNames),
                         MessageIcon::Information);
  return catalogue;
}

void loadGearCatalogues(AppState& app, Prompter& prompter, const std::string& folder) {
  const auto load = [&](GearKind kind, std::shared_ptr<const GearCatalogue>& table) {
    const std::string path =
        folder.empty() ? gearFileName(kind) : folder + "/" + gearFileName(kind);
    GearCatalogue fresh = readGearCatalogue(kind, path, prompter);
    if (table && *table == fresh) return;
    table = std::make_shared<const GearCatalogue>(std::move(fresh));
  };
  load(GearKind::Weapons, app.weaponCatalogue);
  load(GearKind::Equipment, app.equipmentCatalogue);
}

}  // namespace dk
