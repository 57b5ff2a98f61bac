#pragma once
// The warrior's two purses: the C-Bills and the equipment C-Bills set aside for gear. The rules
// compute with the numbers and then rewrite the texts the user sees.

#include "model/RuleContext.h"

namespace dk {

inline constexpr const char* kTransferTooLarge =
    "The equipment C-Bills cannot be transferred: the C-Bills would exceed 2147483647.";

// What the gear tabs show beside "C-Bills:": the purse gear is paid from, the equipment C-Bills
// until they have been transferred, the C-Bills after that.
const std::string& gearPurseText(const Warrior& w);

// "Transfer Equipment C-Bills": pours the equipment C-Bills into the C-Bills, once. A sum that
// would leave the 32-bit range is refused with a message and changes nothing.
void transferEquipmentCBills(RuleContext& ctx);

}  // namespace dk
