#include "gear/Money.h"

#include "util/Numeric.h"

namespace dk {

const std::string& gearPurseText(const Warrior& w) {
  return w.cBillsTransferred ? w.cBillsText : w.equipmentCBillsText;
}

void transferEquipmentCBills(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  if (w.cBillsTransferred) return;
  const std::int64_t sum = std::int64_t{w.cBills} + w.equipmentCBills;
  if (!fitsInt32(sum)) {
    ctx.prompter.showMessage(kTransferTooLarge, MessageIcon::Information);
    return;
  }
  w.cBillsTransferred = true;
  w.cBills = static_cast<std::int32_t>(sum);
  w.equipmentCBills = 0;
  w.cBillsText = toText(w.cBills);
  w.equipmentCBillsText = toText(w.equipmentCBills);
}

}  // namespace dk
