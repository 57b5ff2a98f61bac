#pragma once
// The asset worth: the catalogue cost of all the gear a warrior owns. Buying adds the price,
// returning takes the refund off, each rounded to whole C-Bills (halves to the even one); the
// text shown is rewritten from the number.

#include <cstdint>
#include <optional>

#include "core/model/Warrior.h"

namespace dk {

// The asset worth after gear of that cost is bought (positive) or returned (negative); nullopt
// when it would leave the 32-bit range.
std::optional<std::int32_t> assetWorthAfter(const Warrior& w, double costChange);

void setAssetWorth(Warrior& w, std::int32_t worth);

}  // namespace dk
