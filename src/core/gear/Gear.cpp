#include "core/gear/Gear.h"

#include "core/gear/AssetWorth.h"

#include "core/gear/Money.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {
// Index of the last row named exactly so, or -1.
int lastRowNamed(const std::vector<GearEntry>& list, const std::string& name) {
  for (int i = static_cast<int>(list.size()) - 1; i >= 0; --i)
    if (list[static_cast<std::size_t>(i)].name == name) return i;
  return -1;
}

bool weapons(GearKind kind) { return kind == GearKind::Weapons; }
}  // namespace

std::string costNotANumberMessage(const std::string& name, const std::string& cost, bool buying) {
  return "The cost of \"" + name + "\" (\"" + cost + "\") is not a number, so it cannot be " +
         (buying ? "bought." : "refunded.");
}

void addGear(std::vector<GearEntry>& list, const std::string& name) {
  const int row = lastRowNamed(list, name);
  if (row < 0) {
    list.push_back({name, "1"});
    return;
  }
  auto& quantity = list[static_cast<std::size_t>(row)].quantity;
  quantity = toText(operandOf(quantity) + 1);
}

bool removeOneGear(std::vector<GearEntry>& list, const std::string& name) {
  const int row = lastRowNamed(list, name);
  if (row < 0) return false;
  auto& entry = list[static_cast<std::size_t>(row)];
  const std::int64_t quantity = integerPart(entry.quantity);
  // A quantity below 1 (only a damaged file can hold one) goes as well, rather than counting
  // down without end while every press refunds the cost again.
  if (quantity <= 1) {
    list.erase(list.begin() + row);
    return true;
  }
  entry.quantity = toText(quantity - 1);
  return false;
}

std::vector<GearEntry>& gearList(Warrior& w, GearKind kind) {
  return weapons(kind) ? w.weapons : w.equipment;
}

std::string& selectedCatalogueRow(Warrior& w, GearKind kind) {
  return weapons(kind) ? w.selections.weaponRow : w.selections.equipmentRow;
}

std::string& selectedGear(Warrior& w, GearKind kind) {
  return weapons(kind) ? w.selections.weapon : w.selections.equipment;
}

void buyGear(RuleContext& ctx, GearKind kind, const GearCatalogue& catalogue) {
  Warrior& w = ctx.warrior;
  const GearRow* row = catalogue.find(selectedCatalogueRow(w, kind));
  if (!row) {
    ctx.prompter.showMessage(weapons(kind) ? kSelectWeaponToAdd : kSelectEquipmentToAdd,
                             MessageIcon::Information);
    return;
  }
  const auto price = readAmount(row->cost);
  if (!price) {
    ctx.prompter.showMessage(costNotANumberMessage(row->name, row->cost, true),
                             MessageIcon::Information);
    return;
  }
  std::int32_t& purse = w.cBillsTransferred ? w.cBills : w.equipmentCBills;
  // A price equal to the purse is allowed.
  if (*price > purse) {
    ctx.prompter.showMessage(kNotEnoughCBills, MessageIcon::Information);
    return;
  }
  const auto purseLeft = wholeCBills(purse - *price);
  const auto worth = assetWorthAfter(w, *price);
  if (!purseLeft || !worth) {
    ctx.prompter.showMessage(kAmountOutOfRange, MessageIcon::Information);
    return;
  }
  addGear(gearList(w, kind), row->name);
  purse = *purseLeft;
  (w.cBillsTransferred ? w.cBillsText : w.equipmentCBillsText) = toText(purse);
  setAssetWorth(w, *worth);
}

void removeGear(RuleContext& ctx, GearKind kind, const GearCatalogue& catalogue) {
  Warrior& w = ctx.warrior;
  auto& list = gearList(w, kind);
  if (list.empty()) return;
  std::string& selected = selectedGear(w, kind);
  if (selected.empty() || lastRowNamed(list, selected) < 0) {
    ctx.prompter.showMessage(weapons(kind) ? kSelectWeaponToRemove : kSelectEquipmentToRemove,
                             MessageIcon::Information);
    return;
  }
  // Gear the catalogue does not know (a warrior file written with other data) goes without a
  // refund: there is no cost to give back.
  if (const GearRow* row = catalogue.find(selected)) {
    const auto refund = readAmount(row->cost);
    if (!refund) {
      ctx.prompter.showMessage(costNotANumberMessage(row->name, row->cost, false),
                               MessageIcon::Information);
      return;
    }
    const auto cBills = wholeCBills(w.cBills + *refund);
    const auto worth = assetWorthAfter(w, -*refund);
    if (!cBills || !worth) {
      ctx.prompter.showMessage(kAmountOutOfRange, MessageIcon::Information);
      return;
    }
    w.cBills = *cBills;
    w.cBillsText = toText(w.cBills);
    setAssetWorth(w, *worth);
  }
  if (removeOneGear(list, selected)) selected.clear();
}

void doubleClickCatalogueGear(RuleContext& ctx, GearKind kind, const GearCatalogue& catalogue,
                              const std::string& row) {
  selectedCatalogueRow(ctx.warrior, kind) = row;
  buyGear(ctx, kind, catalogue);
}

void doubleClickOwnedGear(RuleContext& ctx, GearKind kind, const GearCatalogue& catalogue,
                          const std::string& row) {
  selectedGear(ctx.warrior, kind) = row;
  removeGear(ctx, kind, catalogue);
}

}  // namespace dk
