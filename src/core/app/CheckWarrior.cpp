#include "core/app/CheckWarrior.h"

#include <algorithm>
#include <cmath>

#include "core/budget/Priorities.h"
#include "core/character/Attributes.h"
#include "core/character/Race.h"
#include "core/context/SharedState.h"
#include "core/files/GearFiles.h"
#include "core/files/PackageFile.h"
#include "core/files/WarriorFile.h"
#include "core/gear/Advantages.h"
#include "core/skills/TrainingReading.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {

constexpr std::int64_t kStartingCBills = 200;
constexpr std::int64_t kStartingEquipmentCBills = 500;

std::string q(const std::string& text) { return "\"" + text + "\""; }

// "Natural Aptitude (Small Arms)" cost 3: the price of a combat skill's aptitude.
int aptitudePrice(const std::string& row) { return isCombatSkill(aptitudeSkillOf(row)) ? 3 : 2; }
std::string n(std::int64_t value) { return toText(value); }

class Findings {
 public:
  void breach(const char* area, std::string text) { out.push_back({area, std::move(text), true}); }
  void note(const char* area, std::string text) { out.push_back({area, std::move(text), false}); }
  // "the scores cost 27 attribute points, 3 more than the 24 the attributes priority grants"
  void beyond(const char* area, const std::string& what, std::int64_t spent, std::int64_t granted,
              const char* unit, const char* pool) {
    if (spent <= granted) return;
    breach(area, what + " cost " + n(spent) + " " + unit + ", " + n(spent - granted) +
                     " more than the " + n(granted) + " the " + pool + " priority grants");
  }
  std::vector<Finding> out;
};

void checkPriorities(const Warrior& w, Findings& f) {
  static const char* const kPools[kPoolCount] = {"race", "attributes", "skills", "advantages",
                                                 "BattleMech"};
  for (int p = 0; p < kPoolCount; ++p) {
    const int level = w.priorityLevel[p];
    const std::string grant = p == kRace         ? raceForLevel(level)
                              : p == kAttributes ? attributeGrant(level)
                              : p == kSkills     ? skillGrant(level)
                              : p == kAdvantages ? advantageGrant(level)
                                                 : battleMechGrant(level);
    if (w.priorityGrant[p] != grant)
      f.breach("priorities", "what the " + std::string(kPools[p]) + " priority grants reads " +
                                 q(w.priorityGrant[p]) + " where level " + n(level) + " grants " +
                                 q(grant));
  }
  const std::int64_t spent = priorityPointsSpent(w);
  const std::int64_t left = operandOf(w.pointsLeft);
  const std::int64_t maximum = spent + left;
  if (left < 0) {
    f.breach("priorities", "the priority levels cost " + n(spent) + " points, " + n(-left) +
                               " more than the maximum of " + n(maximum));
  } else if (maximum != kDefaultPriorityMaximum) {
    f.note("priorities", "the priority maximum is " + n(maximum) + ", not " +
                             n(kDefaultPriorityMaximum) + kSetByTheGamemaster);
  }
}

void checkAttributes(const Warrior& w, Findings& f) {
  static const char* const kNames[kAttributeCount] = {"Build", "Reflexes", "Intuition", "Learn",
                                                      "Charisma"};
  const std::int64_t grant = integerPart(attributeGrant(w.priorityLevel[kAttributes]));
  const std::int64_t cost = weightedAttributeSum(w);
  f.beyond("attributes", "the scores", cost, grant, "attribute points", "attributes");
  const std::int64_t shown = integerPart(w.freeAttributePoints);
  if (w.freeAttributePoints != w.priorityGrant[kAttributes] && shown > grant - cost)
    f.breach("attributes", "the free attribute points read " + n(shown) + ", more than the " +
                               n(grant - cost) + " the grant leaves after the scores");
  const bool exceptional = w.haveAdv(kExceptionalAttribute);
  for (int a = 0; a < kAttributeCount; ++a) {
    const std::int64_t bought = boughtScore(w, static_cast<Attribute>(a));
    const std::string name = kNames[a];
    if (bought < 1) {
      f.breach("attributes", name + " is " + n(bought) + " bought, below 1");
    } else if (bought > kExceptionalAttributeScore ||
               (bought > kNormalAttributeMaximum && !exceptional)) {
      f.breach("attributes",
               name + " is " + n(bought) + " bought, above " +
                   n(exceptional ? kExceptionalAttributeScore : kNormalAttributeMaximum) +
                   (exceptional ? "" : " without Exceptional Attribute"));
    }
  }
  static const char* const kCharacteristics[kCharacteristicCount] = {"Athletic", "Physical",
                                                                     "Mental", "Social"};
  static const std::array<std::array<Attribute, 2>, kCharacteristicCount> kFrom{
      {{kBLD, kREF}, {kREF, kINT}, {kINT, kLRN}, {kINT, kCHA}}};
  for (int c = 0; c < kCharacteristicCount; ++c) {
    const std::int64_t wanted = 18 - (scoreValue(w, kFrom[c][0]) + scoreValue(w, kFrom[c][1]));
    if (integerPart(w.characteristic[c]) != wanted)
      f.breach("attributes", std::string(kCharacteristics[c]) + " reads " + q(w.characteristic[c]) +
                                 " where the scores give " + n(wanted));
  }
}

void checkSkills(const Warrior& w, const CheckCatalogues& catalogues, Findings& f) {
  const std::int64_t grant = integerPart(skillGrant(w.priorityLevel[kSkills]));
  for (SkillArea area : {SkillArea::InnerSphere, SkillArea::Clan}) {
    const bool innerSphere = area == SkillArea::InnerSphere;
    const auto& skills = w.area(area).skills;
    const std::string what = innerSphere ? "the Inner Sphere skills" : "the clan skills";
    for (const SkillEntry& s : skills)
      if (skillLevel(s) < 1) f.breach("skills", q(s.name) + " is at level " + q(s.level));
    const TrainingReading reading = readTraining(w, area, catalogues.packages);
    if (!reading.exact && innerSphere && w.packageIndex > 0 &&
        static_cast<std::size_t>(w.packageIndex) > catalogues.packages.size()) {
      f.note("skills", "the skill package of row " + n(w.packageIndex) +
                           " is not in the package file here, so its price cannot be told");
      continue;
    }
    f.beyond("skills", what, reading.leastCommitted, grant, "skill points", "skills");
  }
}

void checkAdvantages(const Warrior& w, Findings& f) {
  const std::int64_t grant = integerPart(advantageGrant(w.priorityLevel[kAdvantages]));
  const std::int64_t spent = advantagePointsSpent(w);
  f.beyond("advantages", "the advantages", spent, grant, "advantage points", "advantages");
  const std::int64_t left = integerPart(w.advantagePoints);
  if (left > grant - spent)
    f.breach("advantages", "the advantage points left read " + n(left) + ", more than the " +
                               n(grant - spent) + " the grant leaves after the advantages");
  for (const AdvantageEntry& row : w.advantages) {
    const AdvantageRule* rule = advantageRule(row.name);
    const std::int64_t level = integerPart(row.level);
    if (!rule) {
      f.breach("advantages", q(row.name) + " is no advantage of the game");
      continue;
    }
    if (rule->clanOnly && !w.isClan)
      f.breach("advantages", q(row.name) + " is for clan warriors only");
    int price = rule->price;
    if (rule->name == std::string_view(kNaturalAptitude)) price = aptitudePrice(row.name);
    if (rule->stepped && (level < 1 || level > rule->highestLevel)) {
      f.breach("advantages", q(row.name) + " is at level " + n(level) + ", and it goes from 1 to " +
                                 n(rule->highestLevel));
    } else if (!rule->stepped && level != price) {
      f.breach("advantages",
               q(row.name) + " shows " + n(level) + " points where it costs " + n(price));
    }
  }
  const std::int64_t extra = w.getAdvLvl("Extra Edge");
  const std::int64_t edge = integerPart(w.edge);
  if (edge > 1 + extra)
    f.breach("advantages", "Edge is " + n(edge) + ", more than the 1 every warrior has" +
                               (extra > 0 ? " and the " + n(extra) + " Extra Edge gives" : ""));
}

// The catalogue worth of the gear owned, how far rounding may move it, and the items the
// catalogue does not know.
struct GearWorth {
  double worth = 0;
  std::int64_t roundings = 0;
  std::vector<std::string> unknown;
};

void addWorth(const std::vector<GearEntry>& gear, const GearCatalogue* catalogue, GearWorth& out) {
  for (const GearEntry& g : gear) {
    const GearRow* row = catalogue ? catalogue->find(g.name) : nullptr;
    const auto cost = row ? readAmount(row->cost) : std::nullopt;
    if (!cost) {
      out.unknown.push_back(g.name);
      continue;
    }
    const std::int64_t quantity = integerPart(g.quantity);
    out.worth += *cost * static_cast<double>(quantity);
    if (*cost != std::floor(*cost)) out.roundings += std::max<std::int64_t>(quantity, 0);
  }
}

void checkMoney(const Warrior& w, const CheckCatalogues& catalogues, Findings& f) {
  const struct {
    const char* what;
    const std::string& text;
    std::int32_t amount;
  } purses[] = {{"the C-Bills", w.cBillsText, w.cBills},
                {"the equipment C-Bills", w.equipmentCBillsText, w.equipmentCBills},
                {"the asset worth", w.assetWorthText, w.assetWorth}};
  for (const auto& p : purses)
    if (p.text != toText(p.amount))
      f.breach("money",
               std::string(p.what) + " read " + q(p.text) + " where the amount is " + n(p.amount));
  GearWorth gear;
  addWorth(w.weapons, catalogues.weapons.get(), gear);
  addWorth(w.equipment, catalogues.equipment.get(), gear);
  if (!gear.unknown.empty()) {
    std::string names;
    for (const std::string& name : gear.unknown) names += (names.empty() ? "" : ", ") + q(name);
    f.note("money", "the worth of " + names + " cannot be told: not in the catalogues here");
  } else if (std::llabs(w.assetWorth - std::llround(gear.worth)) > gear.roundings) {
    f.breach("money", "the asset worth is " + n(w.assetWorth) + " where the gear owned is worth " +
                          n(std::llround(gear.worth)));
  }
  const std::int64_t wealth = moneyGiven("Wealth", w.getAdvLvl("Wealth"));
  const std::int64_t equipped = moneyGiven("Well-Equipped", w.getAdvLvl("Well-Equipped"));
  // Until the transfer every purchase was paid from the equipment C-Bills; a refund goes to the
  // C-Bills, so the equipment C-Bills and the gear never hold more than the two gave.
  const std::int64_t equipmentAndGear = std::int64_t{w.equipmentCBills} + w.assetWorth;
  if (w.equipmentCBills != 0 && gear.unknown.empty() &&
      equipmentAndGear > kStartingEquipmentCBills + equipped + gear.roundings)
    f.breach("money", "the equipment C-Bills are " + n(w.equipmentCBills) + ", and with the gear " +
                          n(equipmentAndGear) + ", more than the " +
                          n(kStartingEquipmentCBills + equipped) +
                          " the starting sum and Well-Equipped give");
  // Everything moves between the purses and the gear; only Wealth, Well-Equipped and the
  // gamemaster bring money in.
  const std::int64_t total = std::int64_t{w.cBills} + equipmentAndGear;
  const std::int64_t given = kStartingCBills + kStartingEquipmentCBills + wealth + equipped;
  if (gear.unknown.empty() && std::llabs(total - given) > gear.roundings)
    f.note("money", "the C-Bills are " + n(w.cBills) + ", " + n(std::llabs(total - given)) +
                        (total > given ? " more" : " less") +
                        " than the starting money, the advantages and the gear leave" +
                        kSetByTheGamemaster);
}

}  // namespace

std::vector<Finding> checkWarrior(const Warrior& w, const CheckCatalogues& catalogues) {
  Findings f;
  checkPriorities(w, f);
  checkAttributes(w, f);
  checkSkills(w, catalogues, f);
  checkAdvantages(w, f);
  checkMoney(w, catalogues, f);
  return std::move(f.out);
}

CheckCatalogues readCheckCatalogues(const CatalogueFolders& folders) {
  CheckCatalogues out;
  out.packages = loadPackages(folders).valueOr({});
  for (GearKind kind : {GearKind::Weapons, GearKind::Equipment}) {
    (kind == GearKind::Weapons ? out.weapons : out.equipment) =
        std::make_shared<const GearCatalogue>(readGearFile(kind, folders).valueOr({}));
  }
  return out;
}

Result<FileCheck> checkWarriorFile(const std::string& path, const std::string& shownName,
                                   const CheckCatalogues& catalogues) {
  const ReadOutcome read = openWarriorFile(path);
  if (read.status != ReadOutcome::Ok)
    return Result<FileCheck>::failure(openFailedMessage(read, shownName));
  Warrior w = read.opened->warrior;
  w.priorityLevel = read.opened->levels;
  const std::vector<Finding> findings = checkWarrior(w, catalogues);
  FileCheck out;
  out.legal = keepsEveryRule(findings);
  if (out.legal) out.lines.push_back(shownName + ": legal");
  for (const Finding& f : findings) out.lines.push_back(shownName + ": " + f.area + ": " + f.text);
  return out;
}

bool keepsEveryRule(const std::vector<Finding>& findings) {
  return std::none_of(findings.begin(), findings.end(), [](const Finding& f) { return f.breach; });
}

std::string checkReport(const std::vector<Finding>& findings) {
  std::string text = keepsEveryRule(findings) ? kWarriorKeepsEveryRule : "";
  for (const Finding& f : findings) text += (text.empty() ? "" : "\n") + f.area + ": " + f.text;
  return text;
}

}  // namespace dk
