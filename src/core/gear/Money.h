#pragma once
// The warrior's two purses: the C-Bills and the equipment C-Bills set aside for gear. The rules
// compute with the numbers and then rewrite the texts the user sees.

#include <cstdint>
#include <string>

#include "core/context/RuleContext.h"
#include "core/util/Numeric.h"

namespace dk {

inline constexpr const char* kTransferTooLarge =
    "The equipment C-Bills cannot be transferred: the C-Bills would exceed 2147483647.";

inline constexpr const char* kModifyCBillsPrompt = "Please enter the amount of C-Bills";
inline constexpr const char* kCBillsOutOfRange =
    "The C-Bills must lie between -2147483648 and 2147483647; nothing was changed.";
inline constexpr const char* kAmountOutOfRange =
    "That would take an amount of C-Bills beyond -2147483648 to 2147483647; nothing was changed.";

// "\"<answer>\" is not an amount of C-Bills. Please enter a number such as 1500."
std::string notAnAmountMessage(const std::string& answer);

// What the gear tabs show beside "C-Bills:": the purse gear is paid from, the equipment C-Bills
// until they have been transferred, the C-Bills after that.
const std::string& gearPurseText(const Warrior& w);

// "Transfer Equipment C-Bills": pours the equipment C-Bills into the C-Bills, once. A sum that
// would leave the 32-bit range is refused with a message and changes nothing.
void transferEquipmentCBills(RuleContext& ctx);

// "Modify C-Bills": the gamemaster sets the C-Bills to any amount. The text shown is the answer
// as typed, the number its rounded value. An empty or cancelled answer changes nothing; one that
// is not a number or leaves the 32-bit range is refused with a message.
void modifyCBills(RuleContext& ctx);

}  // namespace dk
