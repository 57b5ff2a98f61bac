#include "core/catalogue/GearCatalogue.h"

#include <string_view>
#include <unordered_set>

#include "core/util/Numeric.h"

namespace dk {

namespace {
// The rows, each name once. The names seen are views of the rows' own names, not copies: the
// rows get room for the most there can be (`most`) at the start, so that none of them moves.
class RowCollector {
 public:
  RowCollector(GearCatalogue& catalogue, std::size_t most) : catalogue_(catalogue) {
    catalogue_.rows.reserve(most);
    seen_.reserve(most);
  }
  void add(GearRow row) {
    if (seen_.count(row.name) != 0) {
      catalogue_.droppedNames.push_back(std::move(row.name));
      return;
    }
    std::vector<GearRow>& rows = catalogue_.rows;
    const bool moves = rows.size() == rows.capacity();
    rows.push_back(std::move(row));
    if (!moves) {
      seen_.insert(rows.back().name);
      return;
    }
    // More rows than room was made for: they moved, and the views are made anew.
    seen_.clear();
    for (const GearRow& r : rows) seen_.insert(r.name);
  }

 private:
  GearCatalogue& catalogue_;
  std::unordered_set<std::string_view> seen_;
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
  RowCollector rows(catalogue, 2 * entries.size());  // a weapon and its ammunition
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
  RowCollector rows(catalogue, entries.size());
  for (const auto& e : entries) {
    if (e.name.empty()) break;
    rows.add({e.name, e.type, e.cost});
  }
  catalogue.equipment = std::move(entries);
  return catalogue;
}

}  // namespace dk
