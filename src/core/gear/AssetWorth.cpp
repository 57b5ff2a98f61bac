#include "core/gear/AssetWorth.h"

#include "core/util/Numeric.h"

namespace dk {

std::optional<std::int32_t> assetWorthAfter(const Warrior& w, double costChange) {
  return wholeCBills(w.assetWorth + costChange);
}

void setAssetWorth(Warrior& w, std::int32_t worth) {
  w.assetWorth = worth;
  w.assetWorthText = toText(worth);
}

}  // namespace dk
