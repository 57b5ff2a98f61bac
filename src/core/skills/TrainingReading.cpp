#include "core/skills/TrainingReading.h"

#include <algorithm>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <tuple>

#include "core/catalogue/PackageTypes.h"
#include "core/character/Race.h"
#include "core/skills/ClanPackages.h"
#include "core/skills/SkillPackages.h"
#include "core/skills/SpecialityPicking.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {

std::int64_t value(std::int64_t level) { return level <= 0 ? 0 : level * (level + 1) / 2; }

// The level of a skill on the list; 0 when it is not there.
std::int64_t levelOn(const std::vector<SkillEntry>& rows, const std::string& name) {
  for (const SkillEntry& s : rows)
    if (s.name == name) return std::max<std::int64_t>(skillLevel(s), 0);
  return 0;
}

// One way the file can be read: the price, the levels the training handed out, how many of them
// must have been taken off since, and the points bought on top.
struct Reading {
  SkillTraining training;
  std::int64_t removed = 0;
  std::int64_t bought = 0;
};

// A package's reading. Of two packages the list could hold (the secondary clan package lies
// inside the primary), the dearer is taken whatever was taken off since: one of them is the
// truth, so the dearer never leaves the pool more than the truth would.
Reading readingOf(const std::vector<SkillEntry>& rows, SkillTraining training) {
  Reading r{std::move(training), 0, 0};
  r.bought = boughtSkillPoints(rows, r.training);
  return r;
}

// Which of two readings Open takes: one the grant could have paid, then the fewest levels taken
// off, then the dearest (of two the grant cannot pay, the cheaper).
bool preferred(const Reading& a, const Reading& b, std::int64_t grant) {
  const auto key = [grant](const Reading& r) {
    const std::int64_t committed = r.training.price + r.bought;
    const bool payable = committed <= grant;
    return std::make_tuple(!payable, r.removed, payable ? -committed : committed);
  };
  return key(a) < key(b);
}

// The speciality's level choices spread over the skills its lists offered. Every skill of the
// required list got one choice (while the choices lasted), the other choices went to distinct
// electives; a skill on both lists may have had one of each. A choice given to a skill that is
// not on the warrior's list any more was taken off since.
struct SpecialityReadings {
  Reading chosen;
  std::int64_t leastBought = 0;
  std::int64_t mostPayableBought = -1;  // of readings the grant could have paid; -1 for none
};

std::vector<std::string> offered(const std::vector<std::string>& own,
                                 std::span<const char* const> common) {
  std::vector<std::string> names;
  const auto add = [&names](const std::string& name) {
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
      names.push_back(name);
  };
  for (const std::string& name : own) add(name);
  for (const char* name : common) add(name);
  return names;
}

SpecialityReadings readSpeciality(const Warrior& w, const PackageType& type, std::int64_t grant) {
  const std::vector<std::string> required =
      offered({w.requiredSkills.begin(), w.requiredSkills.end()}, kCommonRequiredSkills);
  const std::vector<std::string> electives =
      offered({w.electiveSkills.begin(), w.electiveSkills.end()}, kCommonElectives);
  // The level choices by value: kinds[k] = (value, how many).
  std::vector<std::pair<int, int>> kinds;
  for (std::int16_t v : type.levels) {
    auto it = std::find_if(kinds.begin(), kinds.end(), [v](const auto& k) { return k.first == v; });
    if (it == kinds.end())
      kinds.push_back({v, 1});
    else
      ++it->second;
  }
  const int choices = static_cast<int>(type.levels.size());
  const bool electivePhase = static_cast<int>(required.size()) <= choices;

  struct Slot {
    std::string name;
    std::int64_t level;
    bool required;
    bool elective;
  };
  std::vector<Slot> slots;
  for (const std::string& name : required)
    slots.push_back({name, levelOn(w.innerSphere().skills, name), true,
                     std::find(electives.begin(), electives.end(), name) != electives.end()});
  for (const std::string& name : electives)
    if (std::find(required.begin(), required.end(), name) == required.end())
      slots.push_back({name, levelOn(w.innerSphere().skills, name), false, true});
  // Skills no list offered were bought whole.
  std::int64_t boughtElsewhere = 0;
  for (const SkillEntry& s : w.innerSphere().skills) {
    const bool onList = std::any_of(slots.begin(), slots.end(),
                                    [&](const Slot& slot) { return slot.name == s.name; });
    if (!onList) boughtElsewhere += value(std::max<std::int64_t>(skillLevel(s), 0));
  }

  // Dynamic programme over the slots: the choices still to give (a count per value), the levels
  // taken off and the points bought so far; each entry remembers how it was reached and the
  // least bought of the ways there. Points bought past what the grant could pay are all one to
  // the choice, which keeps the programme small however large the levels of a file.
  const std::int64_t cap = std::max<std::int64_t>(0, grant - type.cost);
  const auto capped = [cap](std::int64_t bought) { return std::min(bought, cap + 1); };
  using Counts = std::vector<int>;
  using Key = std::tuple<Counts, std::int64_t, std::int64_t>;
  struct Step {
    const Key* from;
    int levels;          // what the slot got
    std::int64_t least;  // the least bought of the ways to this entry, not capped
  };
  std::vector<std::map<Key, Step>> layers(slots.size() + 1);
  Counts all;
  for (const auto& k : kinds) all.push_back(k.second);
  layers[0].emplace(Key{all, 0, capped(boughtElsewhere)}, Step{nullptr, 0, boughtElsewhere});
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const Slot& slot = slots[i];
    for (const auto& [key, step] : layers[i]) {
      const auto& [left, removed, bought] = key;
      // The choice of each phase: -1 for none, else the kind given.
      std::vector<int> firsts{-1};
      if (slot.required) {
        if (electivePhase) firsts.clear();  // every required skill got one
        for (std::size_t k = 0; k < kinds.size(); ++k)
          if (left[k] > 0) firsts.push_back(static_cast<int>(k));
      }
      for (int a : firsts) {
        Counts afterA = left;
        if (a >= 0) --afterA[static_cast<std::size_t>(a)];
        std::vector<int> seconds{-1};
        if (slot.elective && electivePhase)
          for (std::size_t k = 0; k < kinds.size(); ++k)
            if (afterA[k] > 0) seconds.push_back(static_cast<int>(k));
        for (int b : seconds) {
          Counts afterB = afterA;
          if (b >= 0) --afterB[static_cast<std::size_t>(b)];
          const std::int64_t got = (a >= 0 ? kinds[static_cast<std::size_t>(a)].first : 0) +
                                   (b >= 0 ? kinds[static_cast<std::size_t>(b)].first : 0);
          const std::int64_t kept = std::min(slot.level, got);
          const std::int64_t more = value(slot.level) - value(kept);
          Key next{afterB, removed + got - kept, capped(bought + more)};
          const auto [at, added] =
              layers[i + 1].emplace(std::move(next), Step{&key, static_cast<int>(got), 0});
          if (added || step.least + more < at->second.least) at->second.least = step.least + more;
        }
      }
    }
  }

  SpecialityReadings out;
  std::optional<Reading> best;
  const Key* bestKey = nullptr;
  const Counts none(kinds.size(), 0);
  out.leastBought = INT64_MAX;
  for (const auto& [key, step] : layers.back()) {
    const auto& [left, removed, bought] = key;
    if (left != none) continue;  // every choice was given
    const Reading r{{type.cost, {}}, removed, bought};
    if (!best || preferred(r, *best, grant)) {
      best = r;
      bestKey = &key;
    }
    out.leastBought = std::min(out.leastBought, step.least);
    if (type.cost + bought <= grant)
      out.mostPayableBought = std::max(out.mostPayableBought, bought);
  }
  if (!best) {  // no way to give the choices: a list the file cannot have come from
    out.chosen = readingOf(w.innerSphere().skills, {type.cost, {}});
    out.leastBought = out.chosen.bought;
    return out;
  }
  for (std::size_t i = slots.size(); i > 0; --i) {
    const Step& step = layers[i].at(*bestKey);
    if (step.levels > 0)
      best->training.skills.insert(best->training.skills.begin(),
                                   {slots[i - 1].name, static_cast<std::int16_t>(step.levels)});
    bestKey = step.from;
  }
  out.chosen = std::move(*best);
  return out;
}

std::vector<TrainedSkill> packageSkills(const ClanPackage& p) {
  std::vector<TrainedSkill> skills;
  for (const PackageSkill& s : p.skills) skills.push_back({s.name, s.level});
  return skills;
}

std::vector<const ClanPackage*> clanPackagesOf(const std::string& race) {
  if (race == kClanElemental) return {&clanElementalPackage()};
  if (race == kClanPilot) return {&clanPilotPackage()};
  if (race == kClanDrakkenfold)
    return {&primaryClanWarriorPackage(), &secondaryClanWarriorPackage()};
  return {&clanElementalPackage(), &clanPilotPackage(), &primaryClanWarriorPackage(),
          &secondaryClanWarriorPackage()};
}

// A training the file names but the catalogues here cannot tell (a package row or a package
// type they do not hold): every level counts as trained and nothing is left to spend.
TrainingReading unknownTraining(const std::vector<SkillEntry>& rows, std::int64_t grant) {
  TrainingReading out{{static_cast<std::int32_t>(std::max<std::int64_t>(grant, 0)), {}}, 0, false};
  for (const SkillEntry& s : rows) out.training.skills.push_back({s.name, skillLevel(s)});
  return out;
}

}  // namespace

TrainingReading readTraining(const Warrior& w, SkillArea area,
                             const std::vector<SkillPackage>& packages) {
  const std::int64_t grant = skillPointsGranted(w);
  // Each reading with the least and the most (the grant could pay) that its kind allows.
  std::vector<Reading> readings;
  std::int64_t least = INT64_MAX;
  std::int64_t mostPayable = -1;
  bool exact = true;
  const auto add = [&](Reading r, std::int64_t lowest, std::int64_t highestPayable) {
    least = std::min(least, lowest);
    mostPayable = std::max(mostPayable, highestPayable);
    readings.push_back(std::move(r));
  };
  const auto addFixed = [&](Reading r) {
    const std::int64_t committed = r.training.price + r.bought;
    add(std::move(r), committed, committed <= grant ? committed : -1);
  };
  const auto& rows = w.area(area).skills;
  const TrainingReading none{{}, skillPointsSpent(rows), true};  // every level bought
  if (area == SkillArea::Clan) {
    if (!w.clanPackageTaken) return none;
    for (const ClanPackage* p : clanPackagesOf(w.priorityGrant[kRace]))
      addFixed(readingOf(w.clan().skills, {p->cost, packageSkills(*p)}));
  } else {
    if (packageTaken(w)) {
      const auto row = static_cast<std::size_t>(w.packageIndex);
      if (w.packageIndex < 0 || row > packages.size())
        return unknownTraining(w.innerSphere().skills, grant);
      SkillTraining training{packages[row - 1].cost, {}};
      for (const SkillPackageEntry& s : packages[row - 1].skills)
        training.skills.push_back({s.name, clampToInt16(integerPart(s.level))});
      addFixed(readingOf(w.innerSphere().skills, std::move(training)));
    }
    if (specialityTaken(w)) {
      const PackageType* type = findPackageType(w.packageName);
      if (!type) return unknownTraining(w.innerSphere().skills, grant);
      if (!w.skillsBought) {
        // Nothing was bought since the choices were given: every level on the list is one.
        Reading r{{type->cost, {}}, 0, 0};
        std::int64_t given = 0;
        for (const SkillEntry& s : w.innerSphere().skills) {
          r.training.skills.push_back({s.name, skillLevel(s)});
          given += std::max<std::int64_t>(skillLevel(s), 0);
        }
        std::int64_t all = 0;
        for (std::int16_t v : type->levels) all += v;
        // Levels taken off, or choices a picking left when it was saved, leave the file unsure
        // of what may be put back; the pool is the grant less the price all the same.
        exact = given == all && w.skillStage != kSkillStagePickingMos;
        addFixed(std::move(r));
      } else {
        SpecialityReadings s = readSpeciality(w, *type, grant);
        add(std::move(s.chosen), type->cost + s.leastBought,
            s.mostPayableBought < 0 ? -1 : type->cost + s.mostPayableBought);
      }
    }
  }
  if (readings.empty()) return none;
  const Reading* chosen = &readings.front();
  for (const Reading& r : readings)
    if (preferred(r, *chosen, grant)) chosen = &r;
  const std::int64_t committed = chosen->training.price + chosen->bought;
  // The pool is certain only where every reading the grant could pay costs the same.
  exact = exact && least == committed && mostPayable == committed;
  return {chosen->training, least, exact};
}

}  // namespace dk
