#include "core/forge/RandomSource.h"

#include <limits>

namespace dk {

std::uint64_t RandomSource::below(std::uint64_t bound) {
  if (bound == 0) return 0;
  // Numbers from the top, short of a whole multiple of the bound, are drawn again: otherwise the
  // low remainders would come up a little more often than the high ones.
  const std::uint64_t limit =
      std::numeric_limits<std::uint64_t>::max() - std::numeric_limits<std::uint64_t>::max() % bound;
  for (;;) {
    const std::uint64_t x = engine_();
    if (x < limit) return x % bound;
  }
}

int RandomSource::pick(const std::vector<int>& weights) {
  std::uint64_t total = 0;
  for (int w : weights) total += w > 0 ? static_cast<std::uint64_t>(w) : 0;
  if (total == 0) return -1;
  std::uint64_t at = below(total);
  for (std::size_t i = 0; i < weights.size(); ++i) {
    const std::uint64_t w = weights[i] > 0 ? static_cast<std::uint64_t>(weights[i]) : 0;
    if (at < w) return static_cast<int>(i);
    at -= w;
  }
  return -1;  // not reached
}

}  // namespace dk
