#include "core/catalogue/CatalogueMerge.h"

#include <algorithm>
#include <unordered_map>

namespace dk {

namespace {

// Each record of `more` replaces the first of its name in `into`, or is placed by `place` (which
// gives the index to insert at) while fewer than `limit` records are held.
template <typename Record, typename Place>
void mergeByName(std::vector<Record>& into, const std::vector<Record>& more, std::size_t limit,
                 std::vector<std::string>& leftOut, Place place) {
  std::unordered_map<std::string, std::size_t> at;
  for (std::size_t i = into.size(); i-- > 0;) at[into[i].name] = i;
  for (const Record& r : more) {
    if (const auto found = at.find(r.name); found != at.end()) {
      into[found->second] = r;
      continue;
    }
    if (into.size() >= limit) {
      leftOut.push_back(r.name);
      continue;
    }
    const std::size_t where = place(into, r);
    into.insert(into.begin() + static_cast<std::ptrdiff_t>(where), r);
    // The records after it moved one on: their places, not the names, change.
    if (where + 1 < into.size())
      for (auto& entry : at)
        if (entry.second >= where) ++entry.second;
    at[r.name] = where;
  }
}

template <typename Record>
std::size_t atTheEnd(const std::vector<Record>& into, const Record&) {
  return into.size();
}

// After the last entry of its category; a new category after all of them.
template <typename Item>
std::size_t inItsCategory(const std::vector<Item>& into, const Item& item) {
  for (std::size_t i = into.size(); i-- > 0;)
    if (into[i].type == item.type) return i + 1;
  return into.size();
}

// The entries the list shows: up to the first without a name.
template <typename Item>
std::vector<Item> shown(const std::vector<Item>& entries) {
  const auto end =
      std::find_if(entries.begin(), entries.end(), [](const Item& e) { return e.name.empty(); });
  return {entries.begin(), end};
}

template <typename Item>
void mergeGear(std::vector<Item>& into, const std::vector<Item>& more,
               std::vector<std::string>& leftOut) {
  into = shown(into);
  mergeByName(into, shown(more), kMaxMergedGearEntries, leftOut, inItsCategory<Item>);
}

struct Named {
  std::string name;
};

}  // namespace

void mergeCatalogue(SkillCatalogue& into, const SkillCatalogue& more,
                    std::vector<std::string>& leftOut) {
  mergeByName(into.skills, more.skills, kMaxCatalogueSkills, leftOut, atTheEnd<CatalogueSkill>);
}

void mergeCatalogue(std::vector<Speciality>& into, const std::vector<Speciality>& more,
                    std::vector<std::string>& leftOut) {
  mergeByName(into, more, kMaxSpecialities, leftOut, atTheEnd<Speciality>);
}

void mergeCatalogue(std::vector<SkillPackage>& into, const std::vector<SkillPackage>& more,
                    std::vector<std::string>& leftOut) {
  mergeByName(into, more, kMaxPackages, leftOut, atTheEnd<SkillPackage>);
}

void mergeCatalogue(std::vector<std::string>& planets, const std::vector<std::string>& more,
                    std::size_t limit, std::vector<std::string>& leftOut) {
  std::vector<Named> named;
  named.reserve(planets.size());
  for (const std::string& p : planets) named.push_back({p});
  std::vector<Named> added;
  added.reserve(more.size());
  for (const std::string& p : more) added.push_back({p});
  mergeByName(named, added, limit, leftOut, atTheEnd<Named>);
  planets.clear();
  for (Named& n : named) planets.push_back(std::move(n.name));
}

void mergeCatalogue(std::vector<WeaponItem>& into, const std::vector<WeaponItem>& more,
                    std::vector<std::string>& leftOut) {
  mergeGear(into, more, leftOut);
}

void mergeCatalogue(std::vector<EquipmentItem>& into, const std::vector<EquipmentItem>& more,
                    std::vector<std::string>& leftOut) {
  mergeGear(into, more, leftOut);
}

}  // namespace dk
