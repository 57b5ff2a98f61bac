#include "core/gear/Money.h"

#include "core/util/Numeric.h"

namespace dk {

std::string notAnAmountMessage(const std::string& answer) {
  return "\"" + answer + "\" is not an amount of C-Bills. Please enter a number such as 1500.";
}

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

void modifyCBills(RuleContext& ctx) {
  const auto answer = ctx.prompter.askText(kModifyCBillsPrompt);
  if (!answer || answer->empty()) return;
  const auto amount = readAmount(*answer);
  if (!amount) {
    ctx.prompter.showMessage(notAnAmountMessage(*answer), MessageIcon::Information);
    return;
  }
  const auto whole = wholeCBills(*amount);
  if (!whole) {
    ctx.prompter.showMessage(kCBillsOutOfRange, MessageIcon::Information);
    return;
  }
  ctx.warrior.cBills = *whole;
  // What is shown (and saved) is the whole amount that counts, not the typed text.
  ctx.warrior.cBillsText = toText(*whole);
}

}  // namespace dk
