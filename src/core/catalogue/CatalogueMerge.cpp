#include "core/catalogue/CatalogueMerge.h"

#include <algorithm>
#include <functional>
#include <span>
#include <string_view>
#include <unordered_map>

namespace dk {

namespace {

// The name a record is matched by.
template <typename Record>
const std::string& nameOf(const Record& r) {
  return r.name;
}
const std::string& nameOf(const std::string& planet) { return planet; }

// Each record of `more` replaces the first of its name in `into`, or is placed by `place` (which
// gives the place in the list so far to insert at) while fewer than `limit` records are held.
// The list so far is one of pointers to the records of `into` and `more`, which stay where they
// are until the end: a record placed in the middle moves pointers, not records, and the names are
// looked up by views of them, not copies.
template <typename Record, typename Place>
void mergeByName(std::vector<Record>& into, std::span<const Record> more, std::size_t limit,
                 std::vector<std::string>& leftOut, Place place) {
  if (more.empty()) return;
  const std::less<const Record*> before;
  const Record* const own = into.data();
  if (!before(more.data(), own) && before(more.data(), own + into.size())) {
    const std::vector<Record> copy(more.begin(), more.end());  // a file laid over itself
    mergeByName(into, std::span<const Record>(copy), limit, leftOut, place);
    return;
  }
  std::vector<const Record*> list;
  list.reserve(std::min(limit, into.size() + more.size()));
  for (const Record& r : into) list.push_back(&r);
  // Each name of `more` once, with the place of the first record of that name in `list` (none
  // yet: `absent`). Only these names are ever looked up, so the records of `into` are indexed
  // by one pass over them, not a map entry each.
  constexpr std::size_t absent = static_cast<std::size_t>(-1);
  std::unordered_map<std::string_view, std::size_t> at;
  at.reserve(more.size());
  for (const Record& r : more) at.emplace(nameOf(r), absent);
  for (std::size_t i = into.size(); i-- > 0;)
    if (const auto found = at.find(nameOf(into[i])); found != at.end()) found->second = i;
  for (const Record& r : more) {
    std::size_t& first = at.find(nameOf(r))->second;
    if (first != absent) {
      list[first] = &r;
      continue;
    }
    if (list.size() >= limit) {
      leftOut.push_back(nameOf(r));
      continue;
    }
    const std::size_t where = place(list, r);
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(where), &r);
    // The records after it moved one on: their places, not the names, change.
    if (where + 1 < list.size())
      for (auto& entry : at)
        if (entry.second != absent && entry.second >= where) ++entry.second;
    first = where;
  }
  // The records of `into` are each in the list once at most: moved, not copied.
  std::vector<Record> merged;
  merged.reserve(list.size());
  for (const Record* r : list) {
    if (!before(r, own) && before(r, own + into.size()))
      merged.push_back(std::move(into[static_cast<std::size_t>(r - own)]));
    else
      merged.push_back(*r);
  }
  into = std::move(merged);
}

template <typename Record>
std::size_t atTheEnd(const std::vector<const Record*>& list, const Record&) {
  return list.size();
}

// After the last entry of its category; a new category after all of them.
template <typename Item>
std::size_t inItsCategory(const std::vector<const Item*>& list, const Item& item) {
  for (std::size_t i = list.size(); i-- > 0;)
    if (list[i]->type == item.type) return i + 1;
  return list.size();
}

// The number of entries the list shows: up to the first without a name.
template <typename Item>
std::size_t shown(const std::vector<Item>& entries) {
  return static_cast<std::size_t>(
      std::find_if(entries.begin(), entries.end(), [](const Item& e) { return e.name.empty(); }) -
      entries.begin());
}

template <typename Item>
void mergeGear(std::vector<Item>& into, const std::vector<Item>& more,
               std::vector<std::string>& leftOut) {
  into.resize(shown(into));
  mergeByName(into, std::span<const Item>(more.data(), shown(more)), kMaxMergedGearEntries, leftOut,
              inItsCategory<Item>);
}

}  // namespace

void mergeCatalogue(SkillCatalogue& into, const SkillCatalogue& more,
                    std::vector<std::string>& leftOut) {
  mergeByName(into.skills, std::span<const CatalogueSkill>(more.skills),
              static_cast<std::size_t>(kMaxCatalogueSkills), leftOut, atTheEnd<CatalogueSkill>);
}

void mergeCatalogue(std::vector<Speciality>& into, const std::vector<Speciality>& more,
                    std::vector<std::string>& leftOut) {
  mergeByName(into, std::span<const Speciality>(more), kMaxSpecialities, leftOut,
              atTheEnd<Speciality>);
}

void mergeCatalogue(std::vector<SkillPackage>& into, const std::vector<SkillPackage>& more,
                    std::vector<std::string>& leftOut) {
  mergeByName(into, std::span<const SkillPackage>(more), kMaxPackages, leftOut,
              atTheEnd<SkillPackage>);
}

void mergeCatalogue(std::vector<std::string>& planets, const std::vector<std::string>& more,
                    std::size_t limit, std::vector<std::string>& leftOut) {
  mergeByName(planets, std::span<const std::string>(more), limit, leftOut, atTheEnd<std::string>);
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
