#include "core/gear/Advantages.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "core/character/Attributes.h"
#include "core/character/Characteristics.h"
#include "core/character/Race.h"
#include "core/gear/Money.h"
#include "core/skills/SkillAreas.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {
enum class Kind { OneTime, ClanOnly, Stepped, Aptitude };

struct Advantage {
  const char* name;
  Kind kind;
  int price;  // for stepped advantages the price of one step
};

// In the order the catalogue is entered.
constexpr std::array<Advantage, 16> kCatalogue{{
    {"Ambidextrous", Kind::OneTime, 1},
    {"Extra Edge", Kind::Stepped, 1},
    {"Land Grant", Kind::OneTime, 1},
    {kNaturalAptitude, Kind::Aptitude, 2},
    {"Sixth Sense", Kind::OneTime, 2},
    {"Title", Kind::Stepped, 1},
    {"Toughness", Kind::OneTime, 2},
    {"Wealth", Kind::Stepped, 1},
    {"Well-Equipped", Kind::Stepped, 1},
    {"Bloodname", Kind::ClanOnly, 3},
    {"Combat Sense", Kind::OneTime, 2},
    {"Contact", Kind::Stepped, 1},
    {"Dropship", Kind::Stepped, 1},
    {"EI Neural Implant", Kind::ClanOnly, 1},
    {"Reputation", Kind::OneTime, 1},
    {"Well-Connected", Kind::Stepped, 1},
}};

constexpr int kHighestStep = 3;
// Wealth brings a warrior of the starting 200 C-Bills to 5000, 50000 and 500000: it adds what
// each step is worth above the one before, so money spent or moved in between is neither lost
// nor, after a reset, given twice. Well-Equipped adds these, one per step.
constexpr std::array<std::int32_t, kHighestStep> kWealth{4800, 45000, 450000};
constexpr std::array<std::int32_t, kHighestStep> kWellEquipped{500, 4000, 20000};
// What the two have given at level 1, 2, 3, and a reset takes back: Wealth above the starting
// 200, Well-Equipped in all.
constexpr std::array<std::int32_t, kHighestStep> kWealthBack{4800, 49800, 499800};
constexpr std::array<std::int32_t, kHighestStep> kWellEquippedBack{500, 4500, 24500};

void refuse(RuleContext& ctx, const char* text) {
  ctx.prompter.showMessage(text, MessageIcon::Information);
}

void spend(Warrior& w, std::int64_t points, int price) {
  w.advantagePoints = toText(points - price);
}

// The purse Well-Equipped pays into: the equipment C-Bills until they are transferred.
std::int32_t& wellEquippedPurse(Warrior& w) {
  return w.cBillsTransferred ? w.cBills : w.equipmentCBills;
}
std::string& wellEquippedPurseText(Warrior& w) {
  return w.cBillsTransferred ? w.cBillsText : w.equipmentCBillsText;
}

void buyStep(RuleContext& ctx, const Advantage& a, std::int64_t points) {
  Warrior& w = ctx.warrior;
  if (points < 1) return refuse(ctx, kNotEnoughPoints);
  if (w.haveAdv(a.name) && w.getAdvLvl(a.name) > 2) return refuse(ctx, kAdvantageAtMaximum);
  const int step = w.getAdvLvl(a.name) + 1;
  const bool stepHasAmount = step >= 1 && step <= kHighestStep;
  const std::string name = a.name;

  // Work out every effect before changing anything, so a refusal leaves the warrior as it was.
  const bool wealth = name == "Wealth" && stepHasAmount;
  const bool equipped = name == "Well-Equipped" && stepHasAmount;
  std::int32_t& purse = wealth ? w.cBills : wellEquippedPurse(w);
  std::string& purseText = wealth ? w.cBillsText : wellEquippedPurseText(w);
  std::optional<std::int32_t> money;
  if (wealth || equipped) {
    const auto& amounts = wealth ? kWealth : kWellEquipped;
    const std::int64_t sum = std::int64_t{purse} + amounts[static_cast<std::size_t>(step - 1)];
    if (!fitsInt32(sum)) return refuse(ctx, kAmountOutOfRange);
    money = static_cast<std::int32_t>(sum);
  }
  if (name == "Extra Edge" && w.extraEdgeBought == INT16_MAX) return refuse(ctx, kAmountOutOfRange);

  w.addAdv(name, static_cast<std::int16_t>(step));
  spend(w, points, 1);
  if (name == "Extra Edge") {
    w.edge = toText(operandOf(w.edge) + 1);
    ++w.extraEdgeBought;
  } else if (money) {
    purse = *money;
    purseText = toText(*money);
  }
}

void buyAptitude(RuleContext& ctx, std::int64_t points) {
  Warrior& w = ctx.warrior;
  // "Already have" comes before anything else, the skill question before the points.
  if (w.haveAdv(kNaturalAptitude)) return refuse(ctx, kAlreadyHaveAdvantage);
  const auto skill = askWhichSkill(ctx);
  // Closed without a choice: nothing is bought for a skill nobody named.
  if (!skill) return;
  const int price = isCombatSkill(*skill) ? kNaturalAptitudeCombatPrice : kNaturalAptitudePrice;
  if (points < price) return refuse(ctx, kNotEnoughPoints);
  w.aptitudeSkill = *skill;
  w.addAdv(kNaturalAptitude, static_cast<std::int16_t>(price));
  spend(w, points, price);
}
// Exceptional Attribute let a human go past the normal maximum; without it every score comes
// back to that maximum. The racial modifiers on a score are not part of what it bought.
void lowerExceptionalScores(Warrior& w, const SkillCatalogue& catalogue) {
  const RaceModifiers mods = appliedRaceModifiers(w);
  bool changed = false;
  bool buildChanged = false;
  for (int a = 0; a < kAttributeCount; ++a) {
    const auto attribute = static_cast<Attribute>(a);
    if (boughtScore(w, attribute) <= kNormalAttributeMaximum) continue;
    w.attributeScore[a] = toText(kNormalAttributeMaximum + mods.delta[a]);
    changed = true;
    buildChanged = buildChanged || attribute == kBLD;
  }
  if (!changed) return;
  updateTotalPts(w);
  scoresChanged(w, catalogue, buildChanged);
}

}  // namespace

const std::vector<std::string>& advantageCatalogue() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> out;
    for (const auto& a : kCatalogue) out.emplace_back(a.name);
    return out;
  }();
  return names;
}

std::vector<std::string> advantagesAlphabetically() {
  std::vector<std::string> names = advantageCatalogue();
  std::sort(names.begin(), names.end());
  return names;
}

const std::vector<std::string>& combatSkillNames() {
  static const std::vector<std::string> kCombat{
      "Blade", "Archery", "Small Arms", "Support Weapons", "Throwing Weapons", "Unarmed Combat"};
  return kCombat;
}

bool isCombatSkill(const std::string& skill) {
  const auto& combat = combatSkillNames();
  if (std::find(combat.begin(), combat.end(), skill) != combat.end()) return true;
  return skill.compare(0, 7, "Gunnery") == 0 && skill.size() >= 7;
}

void buyAdvantage(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  const auto it = std::find_if(kCatalogue.begin(), kCatalogue.end(), [&](const Advantage& a) {
    return w.selections.advantage == a.name;
  });
  if (it == kCatalogue.end()) return;  // nothing selected: nothing happens
  const Advantage& a = *it;
  const std::int64_t points = integerPart(w.advantagePoints);
  switch (a.kind) {
    case Kind::Stepped:
      return buyStep(ctx, a, points);
    case Kind::Aptitude:
      return buyAptitude(ctx, points);
    case Kind::OneTime:
    case Kind::ClanOnly:
      if (points < a.price) return refuse(ctx, kNotEnoughPoints);
      if (w.haveAdv(a.name)) return refuse(ctx, kAlreadyHaveAdvantage);
      if (a.kind == Kind::ClanOnly && !w.isClan) return refuse(ctx, kNotClanWarrior);
      w.addAdv(a.name, static_cast<std::int16_t>(a.price));
      spend(w, points, a.price);
      return;
  }
}

void doubleClickAdvantage(RuleContext& ctx, const std::string& advantage) {
  ctx.warrior.selections.advantage = advantage;
  buyAdvantage(ctx);
}

std::int64_t moneyGiven(const std::string& advantage, std::int64_t level) {
  if (level < 1 || level > kHighestStep) return 0;  // other levels gave nothing
  const auto step = static_cast<std::size_t>(level - 1);
  if (advantage == "Wealth") return kWealthBack[step];
  if (advantage == "Well-Equipped") return kWellEquippedBack[step];
  return 0;
}

bool takeBackAdvantages(Warrior& w, const SkillCatalogue& catalogue) {
  std::int64_t cBills = w.cBills;
  std::int64_t equipment = w.equipmentCBills;
  bool cBillsChanged = false;
  bool equipmentChanged = false;
  for (const auto& row : w.advantages) {
    const std::int64_t given = moneyGiven(row.name, integerPart(row.level));
    if (given == 0) continue;
    if (row.name == "Wealth") {
      cBills -= given;
      cBillsChanged = true;
    } else if (w.cBillsTransferred) {
      cBills -= given;
      cBillsChanged = true;
    } else {
      equipment -= given;
      equipmentChanged = true;
    }
    // Nothing changes when the money would wrap (a gamemaster's amount close to the limit, or
    // many rows from a damaged file).
    if (!fitsInt32(cBills) || !fitsInt32(equipment)) return false;
  }
  w.cBills = static_cast<std::int32_t>(cBills);
  w.equipmentCBills = static_cast<std::int32_t>(equipment);
  if (cBillsChanged) w.cBillsText = toText(w.cBills);
  if (equipmentChanged) w.equipmentCBillsText = toText(w.equipmentCBills);
  // Extra Edge gave one point of Edge per purchase.
  if (w.extraEdgeBought != 0) {
    w.edge = toText(operandOf(w.edge) - w.extraEdgeBought);
    w.extraEdgeBought = 0;
  }
  if (w.haveAdv(kExceptionalAttribute)) lowerExceptionalScores(w, catalogue);
  w.advantages.clear();
  w.aptitudeSkill.clear();
  return true;
}

void takeBackClanOnlyAdvantages(Warrior& w) {
  for (const Advantage& a : kCatalogue) {
    if (a.kind != Kind::ClanOnly || !w.haveAdv(a.name)) continue;
    w.advantagePoints = toText(operandOf(w.advantagePoints) + w.getAdvLvl(a.name));
    w.removeAdv(a.name);
  }
}

const AdvantageRule* advantageRule(const std::string& rowName) {
  static const std::vector<AdvantageRule> rules = [] {
    std::vector<AdvantageRule> out;
    for (const Advantage& a : kCatalogue) {
      const bool stepped = a.kind == Kind::Stepped;
      out.push_back(
          {a.name, a.price, stepped ? kHighestStep : a.price, stepped, a.kind == Kind::ClanOnly});
    }
    out.push_back({kExceptionalAttribute, kExceptionalAttributeCost, kExceptionalAttributeCost,
                   false, false});
    return out;
  }();
  const std::string aptitude = std::string(kNaturalAptitude) + " (";
  const std::string name = rowName.rfind(aptitude, 0) == 0 ? kNaturalAptitude : rowName;
  for (const AdvantageRule& rule : rules)
    if (name == rule.name) return &rule;
  return nullptr;
}

std::string aptitudeSkillOf(const std::string& row) {
  const std::string prefix = std::string(kNaturalAptitude) + " (";
  if (row.rfind(prefix, 0) != 0 || row.size() <= prefix.size() || row.back() != ')') return {};
  return row.substr(prefix.size(), row.size() - prefix.size() - 1);
}

std::int64_t advantagePointsSpent(const Warrior& w) {
  // A level is read as the file gives it, any length of digits: a thousand rows at the most an
  // operand counts still add up without wrapping, and cost more than any grant.
  std::int64_t spent = 0;
  for (const AdvantageEntry& row : w.advantages) spent += operandOf(row.level);
  if (appliedRaceModifiers(w).toughness && w.haveAdv(kToughness)) spent -= kRacialToughnessLevel;
  return spent;
}

void resetAdvantages(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  if (!ctx.prompter.askYesNo(kResetAdvantagesQuestion, MessageIcon::Question)) return;
  if (!takeBackAdvantages(w, ctx.shared.skillCatalogue)) return refuse(ctx, kAmountOutOfRange);
  w.advantagePoints = w.priorityGrant[kAdvantages];
}

}  // namespace dk
