#include "gear/Money.h"

#include <charconv>
#include <cmath>

#include "util/Numeric.h"

namespace dk {

std::string notAnAmountMessage(const std::string& answer) {
  return "\"" + answer + "\" is not an amount of C-Bills. Please enter a number such as 1500.";
}

std::optional<double> readAmount(std::string_view text) {
  const std::string trimmed = trimBlanks(text);
  std::string_view s = trimmed;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  bool point = false;
  for (std::size_t k = i; k < s.size(); ++k) {
    if (s[k] >= '0' && s[k] <= '9') {
      ++digits;
    } else if (s[k] == '.' && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  // from_chars takes no '+' and reads the same whatever the locale says about decimal points.
  const bool negative = i > 0 && s[0] == '-';
  double value = 0;
  const auto body = s.substr(i);
  const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
  if (ec == std::errc::result_out_of_range) {
    value = HUGE_VAL;  // far beyond any amount; the caller refuses it
  } else if (ec != std::errc() || end != body.data() + body.size()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

std::optional<std::int32_t> wholeCBills(double amount) {
  if (!std::isfinite(amount) || std::fabs(amount) > 4e9) return std::nullopt;
  const std::int64_t whole = roundHalfEven(amount);
  if (!fitsInt32(whole)) return std::nullopt;
  return static_cast<std::int32_t>(whole);
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
  ctx.warrior.cBillsText = *answer;
}

}  // namespace dk
