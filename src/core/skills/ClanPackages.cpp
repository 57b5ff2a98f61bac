#include "core/skills/ClanPackages.h"

#include <algorithm>

#include "core/character/Race.h"
#include "core/skills/SkillAreas.h"
#include "core/skills/SkillPoints.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {

// The package goes onto the empty clan list and takes the place of a package whose skills were
// all taken off: the area's points are the whole grant.
void grantPackage(RuleContext& ctx, const ClanPackage& package) {
  Warrior& w = ctx.warrior;
  if (skillPointsGranted(w) < package.cost) {
    ctx.prompter.showMessage(clanPackageTooDearMessage(package.cost), MessageIcon::None);
    return;
  }
  w.clanDelPackageEnabled = true;
  w.clanAddPackageEnabled = false;
  w.skillsBought = true;
  w.clanPackageTaken = true;
  w.clan().training = SkillTraining{package.cost, {}};
  for (const PackageSkill& skill : package.skills) {
    w.clan().skills.push_back({skill.name, toText(skill.level), ""});
    w.clan().training.skills.push_back({skill.name, skill.level});
  }
  refillSkillPool(w, SkillArea::Clan);
  updateSkillRolls(ctx);
}

}  // namespace

const ClanPackage& clanElementalPackage() {
  static const ClanPackage package{16,
                                   {{"Blade", 1},
                                    {"Gunnery/Battle Armor", 3},
                                    {"Interrogation", 1},
                                    {"Medtech", 1},
                                    {"Piloting/Battle Armor", 3},
                                    {"Small Arms", 2},
                                    {"Survival", 1},
                                    {"Tactics", 1},
                                    {"Tech/Battlesuit", 1},
                                    {"Unarmed Combat", 2}}};
  return package;
}

const ClanPackage& clanPilotPackage() {
  static const ClanPackage package{16,
                                   {{"Gunnery/Aerospace", 4},
                                    {"Medtech", 1},
                                    {"Piloting/Aerospace", 3},
                                    {"Small Arms", 1},
                                    {"Tactics", 2},
                                    {"Tech/Aerospace", 2}}};
  return package;
}

const ClanPackage& primaryClanWarriorPackage() {
  static const ClanPackage package{20,
                                   {{"Gunnery/BattleMech", 4},
                                    {"Interrogation", 1},
                                    {"Leadership", 1},
                                    {"Medtech", 1},
                                    {"Piloting/BattleMech", 3},
                                    {"Small Arms", 2},
                                    {"Survival", 1},
                                    {"Tactics", 2},
                                    {"Tech/BattleMech", 2},
                                    {"Unarmed Combat", 1}}};
  return package;
}

const ClanPackage& secondaryClanWarriorPackage() {
  static const ClanPackage package{12,
                                   {{"Gunnery/BattleMech", 3},
                                    {"Leadership", 1},
                                    {"Medtech", 1},
                                    {"Piloting/BattleMech", 2},
                                    {"Small Arms", 2},
                                    {"Survival", 1},
                                    {"Tactics", 1},
                                    {"Tech/BattleMech", 1},
                                    {"Unarmed Combat", 1}}};
  return package;
}

std::string clanPackageTooDearMessage(int cost) {
  return "You don't have enough points!  It takes " + toText(cost) + " points to do this!";
}

bool clanPackageAvailable(const Warrior& w) {
  return w.clanAddPackageEnabled && w.clan().skills.empty();
}

void addClanPackage(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  if (!clanPackageAvailable(w)) return;
  const std::string& race = w.priorityGrant[kRace];
  if (race == kClanElemental || race == kClanPilot) {
    const bool elemental = race == kClanElemental;
    if (!ctx.prompter.askYesNo(
            elemental ? kClanElementalPackageQuestion : kClanPilotPackageQuestion,
            MessageIcon::Question)) {
      return;
    }
    grantPackage(ctx, elemental ? clanElementalPackage() : clanPilotPackage());
  } else if (race == kClanDrakkenfold) {
    if (ctx.prompter.askYesNo(kPrimaryClanWarriorQuestion, MessageIcon::Question)) {
      grantPackage(ctx, primaryClanWarriorPackage());
    } else if (ctx.prompter.askYesNo(kSecondaryClanWarriorQuestion, MessageIcon::Question)) {
      grantPackage(ctx, secondaryClanWarriorPackage());
    }
  }
}

void removeClanPackage(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  if (!ctx.prompter.askYesNo(kDeleteClanPackageQuestion, MessageIcon::Question)) return;
  w.clan().skills.clear();
  w.selections.owned(SkillArea::Clan).clear();
  forgetTraining(w, SkillArea::Clan);
  w.clan().pool.assign(static_cast<std::size_t>(skillPointsGranted(w)), 1);
  // An empty clan list with the package still marked taken would make the next skills priority
  // change ask to reset nothing and leave the pool unfilled; start the area over instead.
  w.clanAddPackageEnabled = true;
  w.clanDelPackageEnabled = false;
  w.skillsBought = false;
  w.clanPackageTaken = false;
}

}  // namespace dk
