#include "core/forge/Forge.h"

#include <algorithm>
#include <random>

#include "core/budget/Priorities.h"
#include "core/character/Race.h"
#include "core/forge/ForgePrompter.h"
#include "core/forge/RandomSource.h"
#include "core/gear/Advantages.h"
#include "core/gear/Affiliations.h"
#include "core/skills/ClanPackages.h"
#include "core/skills/SkillAreas.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {

// The most clicks one phase takes: far more than any budget of the game needs, so that a rule
// that never says no to a move that changes nothing cannot hold the forge for ever.
constexpr int kMostMoves = 100000;

// Picks among the moves still open: by weight while one of weight above 0 is open, then any of
// them alike (what is left must be spent all the same).
int pickOpen(RandomSource& dice, const std::vector<int>& weights, const std::vector<bool>& open) {
  std::vector<int> w(weights.size(), 0);
  bool weighted = false;
  for (std::size_t i = 0; i < w.size(); ++i)
    if (open[i] && weights[i] > 0) {
      w[i] = weights[i];
      weighted = true;
    }
  if (!weighted)
    for (std::size_t i = 0; i < w.size(); ++i) w[i] = open[i] ? 1 : 0;
  return dice.pick(w);
}

template <std::size_t N>
std::vector<int> asVector(const std::array<int, N>& a) {
  return {a.begin(), a.end()};
}

class Forge {
 public:
  Forge(RuleContext& outer, const ForgeRequest& request, const NameLists& names,
        const GearCatalogue& weapons, const GearCatalogue& equipment)
      : request_(request),
        profile_(request.profile),
        names_(names),
        weapons_(weapons),
        equipment_(equipment),
        dice_(request.seed),
        prompter_(dice_, profile_),
        ctx_{outer.warrior, outer.shared, prompter_},
        w_(outer.warrior) {}

  void build() {
    priorities();
    attributes();
    skills();
    advantages();
    gear();
    identity();
  }

 private:
  void run(const Command& command) { command.rule(ctx_); }

  void priorities() {
    int race = request_.race;
    if (race < 0 || race >= static_cast<int>(kForgeRaces.size()))
      race = std::max(0, dice_.pick(asVector(profile_.races)));
    run(commands::movePriority(kRace, kForgeRaceLevels[static_cast<std::size_t>(race)]));
    // The points left go to the other four, a level at a time, as the profile weights them.
    std::array<int, 4> levels{};
    int left = ctx_.shared.priorityMaximum - priorityPointsSpent(w_);
    const std::vector<int> weights = asVector(profile_.priorities);
    while (left > 0) {
      std::vector<bool> open(4);
      for (std::size_t p = 0; p < 4; ++p) open[p] = levels[p] < kHighestPriorityLevel;
      const int p = pickOpen(dice_, weights, open);
      if (p < 0) break;
      ++levels[static_cast<std::size_t>(p)];
      --left;
    }
    for (int p = 0; p < 4; ++p)
      run(commands::movePriority(static_cast<Pool>(kAttributes + p),
                                 levels[static_cast<std::size_t>(p)]));
    if (hasRaceModifiers(w_.priorityGrant[kRace])) run(commands::addRaceMods());
  }

  void attributes() {
    const std::vector<int> weights = asVector(profile_.attributes);
    std::vector<bool> open(kAttributeCount, true);
    for (int moves = 0; moves < kMostMoves; ++moves) {
      const int a = pickOpen(dice_, weights, open);
      if (a < 0) return;
      const std::string before = w_.attributeScore[static_cast<std::size_t>(a)];
      run(commands::raiseAttribute(static_cast<Attribute>(a)));
      if (w_.attributeScore[static_cast<std::size_t>(a)] == before)
        open[static_cast<std::size_t>(a)] = false;
    }
  }

  // The training the profile prefers among those the race can take.
  void training() {
    const auto& t = profile_.trainings;
    const std::vector<int> weights =
        w_.isClan ? std::vector<int>{t[0], 0, 0, t[3]} : std::vector<int>{t[0], t[1], t[2], 0};
    const int choice = dice_.pick(weights);
    if (choice == 3) {
      // The caste's package when the skill points pay for it; a warrior of the clan takes the
      // primary one, or the secondary one when the points fall short.
      const std::int16_t points = skillPointsGranted(w_);
      prompter_.yesTo = {kClanElementalPackageQuestion, kClanPilotPackageQuestion};
      if (points >= primaryClanWarriorPackage().cost)
        prompter_.yesTo.insert(kPrimaryClanWarriorQuestion);
      else
        prompter_.yesTo.insert(kSecondaryClanWarriorQuestion);
      run(commands::addPackage(SkillArea::Clan));
      prompter_.yesTo.clear();
    } else if (choice == 1) {
      run(commands::pickSpeciality());
      handOutLevelChoices();
    } else if (choice == 2) {
      run(commands::addPackage(SkillArea::InnerSphere));
    }
  }

  std::vector<int> skillWeights(const std::vector<CatalogueRow>& list) const {
    std::vector<int> weights;
    weights.reserve(list.size());
    for (const CatalogueRow& row : list) weights.push_back(forgeWeight(profile_.skills, row.name));
    return weights;
  }

  // While a speciality is picked: a level choice to a skill of the choice list, until the
  // picking is over.
  void handOutLevelChoices() {
    for (int moves = 0; moves < kMostMoves && w_.skillStage == kSkillStagePickingMos; ++moves) {
      const auto& area = w_.innerSphere();
      if (area.pool.empty() || area.list.empty()) return;
      const int row = static_cast<int>(dice_.below(area.pool.size()));
      const int skill =
          pickOpen(dice_, skillWeights(area.list), std::vector<bool>(area.list.size(), true));
      const std::string name = area.list[static_cast<std::size_t>(skill)].name;
      const std::size_t before = area.pool.size();
      run(commands::selectPoolEntry(SkillArea::InnerSphere, row));
      run(commands::selectCatalogueSkill(SkillArea::InnerSphere, name));
      run(commands::addSkillPoint(SkillArea::InnerSphere));
      if (w_.skillStage == kSkillStagePickingMos && w_.innerSphere().pool.size() == before) return;
    }
  }

  void skills() {
    training();
    const SkillArea area = activeSkillArea(w_);
    const std::vector<CatalogueRow> list = w_.area(area).list;
    const std::vector<int> weights = skillWeights(list);
    // What the next level of each row costs; only the row bought changes it.
    std::vector<std::int64_t> price(list.size());
    const auto priceOf = [&](std::size_t i) {
      const SkillAreaRecord& a = w_.area(area);
      const SkillEntry* owned = findOwnedSkill(a.skills, list[i].name);
      const std::int64_t next = (owned ? std::int64_t{skillLevel(*owned)} : 0) + 1;
      return levelPrice(a.training, list[i].name, next);
    };
    for (std::size_t i = 0; i < list.size(); ++i) price[i] = priceOf(i);
    std::vector<bool> open(list.size(), true);
    for (int moves = 0; moves < kMostMoves; ++moves) {
      const auto points = static_cast<std::int64_t>(w_.area(area).pool.size());
      if (points == 0) return;
      // Only what the points left still pay for is open.
      for (std::size_t i = 0; i < list.size(); ++i)
        if (price[i] > points) open[i] = false;
      const int pick = pickOpen(dice_, weights, open);
      if (pick < 0) return;
      const auto i = static_cast<std::size_t>(pick);
      run(commands::selectCatalogueSkill(area, list[i].name));
      run(commands::addSkillPoint(area));
      if (static_cast<std::int64_t>(w_.area(area).pool.size()) == points)
        open[i] = false;
      else
        price[i] = priceOf(i);
    }
  }

  void advantages() {
    const std::vector<std::string>& names = advantageCatalogue();
    std::vector<int> weights;
    for (const std::string& name : names) weights.push_back(forgeWeight(profile_.advantages, name));
    std::vector<bool> open(names.size(), true);
    // Natural Aptitude goes to a skill the warrior has, the one it is best at.
    const auto& own = w_.area(activeSkillArea(w_)).skills;
    const auto best = std::max_element(own.begin(), own.end(), [](const auto& x, const auto& y) {
      return skillLevel(x) < skillLevel(y);
    });
    prompter_.skill = best == own.end() ? std::string() : best->name;
    for (int moves = 0; moves < kMostMoves && integerPart(w_.advantagePoints) > 0; ++moves) {
      const int i = pickOpen(dice_, weights, open);
      if (i < 0) return;
      const std::string before = w_.advantagePoints;
      run(commands::selectAdvantage(names[static_cast<std::size_t>(i)]));
      run(commands::buyAdvantage());
      if (w_.advantagePoints == before) open[static_cast<std::size_t>(i)] = false;
    }
  }

  struct GearChoice {
    GearKind kind;
    const GearRow* row;
    double price;
    int weight;
    int weapon;  // for ammunition: the choice of the weapon it is for; -1 for none
  };

  static constexpr int kNoWeaponHere = -2;  // ammunition of a weapon the catalogue does not sell

  void gear() {
    if (dice_.chance(profile_.transfer)) run(commands::transferEquipmentCBills());
    std::vector<GearChoice> choices;
    const std::string ammo = " (Ammo)";
    for (GearKind kind : {GearKind::Weapons, GearKind::Equipment}) {
      for (const GearRow& row : (kind == GearKind::Weapons ? weapons_ : equipment_).rows) {
        const auto price = readAmount(row.cost);
        // Something for nothing could be bought without end.
        if (!price || *price <= 0) continue;
        GearChoice c{kind, &row, *price, 0, -1};
        std::string category = row.type;
        if (kind == GearKind::Weapons && row.name.size() > ammo.size() &&
            row.name.compare(row.name.size() - ammo.size(), ammo.size(), ammo) == 0) {
          // The weapon's row comes right before its ammunition's.
          const std::string weapon = row.name.substr(0, row.name.size() - ammo.size());
          c.weapon = !choices.empty() && choices.back().row->name == weapon
                         ? static_cast<int>(choices.size() - 1)
                         : kNoWeaponHere;
          if (category.size() > 5) category.resize(category.size() - 5);  // less " Ammo"
        }
        c.weight = forgeWeight(profile_.gear, category);
        choices.push_back(c);
      }
    }
    std::vector<bool> open(choices.size(), true);
    std::vector<bool> owned(choices.size(), false);
    std::vector<int> weights(choices.size());
    for (int moves = 0; moves < kMostMoves; ++moves) {
      const std::int32_t purse = w_.cBillsTransferred ? w_.cBills : w_.equipmentCBills;
      for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].price > purse) open[i] = false;
        // Ammunition goes with a weapon owned, while something else can still be bought.
        const int weapon = choices[i].weapon;
        const bool forAWeapon =
            weapon == -1 || (weapon >= 0 && owned[static_cast<std::size_t>(weapon)]);
        weights[i] = forAWeapon ? choices[i].weight : 0;
      }
      const int pick = pickOpen(dice_, weights, open);
      if (pick < 0) return;
      const auto i = static_cast<std::size_t>(pick);
      const GearChoice& c = choices[i];
      run(commands::selectCatalogueGear(c.kind, c.row->name));
      run(commands::buyGear(c.kind, c.kind == GearKind::Weapons ? weapons_ : equipment_));
      if ((w_.cBillsTransferred ? w_.cBills : w_.equipmentCBills) == purse)
        open[i] = false;
      else
        owned[i] = true;
    }
  }

  void identity() {
    run(commands::choosePlanet());
    // What a player types and chooses in the fields of Warrior Info.
    const auto any = [this](const std::vector<std::string>& list) {
      return list.empty() ? std::string() : list[dice_.below(list.size())];
    };
    w_.name = forgeName(request_.seed, names_);
    std::vector<int> ranks;
    for (const ForgeWeight& r : profile_.ranks) ranks.push_back(r.weight);
    if (const int r = dice_.pick(ranks); r >= 0)
      w_.rank = profile_.ranks[static_cast<std::size_t>(r)].name;
    w_.sex = any(sexChoices());
    w_.notes = forgeNote(request_);
  }

  const ForgeRequest& request_;
  const Profile& profile_;
  const NameLists& names_;
  const GearCatalogue& weapons_;
  const GearCatalogue& equipment_;
  RandomSource dice_;
  ForgePrompter prompter_;
  RuleContext ctx_;
  Warrior& w_;
};

}  // namespace

std::string forgeNote(const ForgeRequest& request) {
  std::string note = "Random warrior, profile " + request.profile.name;
  if (request.race >= 0 && request.race < static_cast<int>(kForgeRaces.size()))
    note += std::string(", race ") + kForgeRaces[static_cast<std::size_t>(request.race)];
  return note + ", seed " + std::to_string(request.seed);
}

std::string forgeName(std::uint64_t seed, const NameLists& names) {
  // A stream of its own: the seed with its bits stirred, so it does not repeat the main dice.
  RandomSource dice(seed ^ 0x9E3779B97F4A7C15u);
  const auto any = [&dice](const std::vector<std::string>& list) {
    return list.empty() ? std::string() : list[dice.below(list.size())];
  };
  const std::string given = any(names.given);
  const std::string family = any(names.family);
  return given.empty() || family.empty() ? given + family : given + " " + family;
}

std::optional<std::uint64_t> parseSeed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  if (text.empty() || text.size() > 20) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (value > (UINT64_MAX - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

std::uint64_t freshSeed() {
  std::random_device source;
  return (std::uint64_t{source()} << 32) ^ source();
}

std::optional<ForgeRequest> confirmForgeChoice(const std::vector<Profile>& profiles,
                                               const std::string& profile, const std::string& race,
                                               const std::string& seed, Prompter& prompter) {
  const auto chosen = std::find_if(profiles.begin(), profiles.end(),
                                   [&](const Profile& p) { return p.name == profile; });
  const char* refusal = nullptr;
  const std::optional<int> raceIndex = forgeRaceNamed(race);
  const std::optional<std::uint64_t> value = parseSeed(seed);
  if (chosen == profiles.end())
    refusal = kChooseAProfile;
  else if (!raceIndex)
    refusal = kChooseARace;
  else if (!value)
    refusal = kSeedNotAWholeNumber;
  if (refusal) {
    prompter.showMessage(refusal, MessageIcon::Information);
    return std::nullopt;
  }
  return ForgeRequest{*chosen, *raceIndex, *value};
}

std::optional<int> forgeRaceNamed(const std::string& name) {
  if (name == kAnyRace) return -1;
  for (std::size_t i = 0; i < kForgeRaces.size(); ++i)
    if (name == kForgeRaces[i]) return static_cast<int>(i);
  return std::nullopt;
}

void forgeWarrior(RuleContext& ctx, const ForgeRequest& request, const NameLists& names,
                  const GearCatalogue& weapons, const GearCatalogue& equipment) {
  Forge(ctx, request, names, weapons, equipment).build();
}

Command forgeCommand(ForgeRequest request, NameLists names, const GearCatalogue& weapons,
                     const GearCatalogue& equipment) {
  return {[](const Warrior&) { return std::string(kRandomWarriorStep); },
          [request = std::move(request), names = std::move(names), &weapons, &equipment](
              RuleContext& ctx) { forgeWarrior(ctx, request, names, weapons, equipment); }};
}

}  // namespace dk
