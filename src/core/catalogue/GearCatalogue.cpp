#include "core/catalogue/GearCatalogue.h"

#include <set>

#include "core/util/Numeric.h"

namespace dk {

namespace {
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

}  // namespace dk
