#pragma once
// The forge's dice: std::mt19937_64, whose sequence the standard fixes, with our own way of
// turning its numbers into a choice (the standard leaves its distributions' output to the
// library), so that a seed gives the same warrior on every machine.

#include <cstdint>
#include <random>
#include <vector>

namespace dk {

class RandomSource {
 public:
  explicit RandomSource(std::uint64_t seed) : engine_(seed) {}

  // A whole number from 0 to bound - 1, every one alike likely; 0 for a bound of 0.
  std::uint64_t below(std::uint64_t bound);
  // An index into the weights, each chosen as often as its weight says; -1 when none is above 0.
  int pick(const std::vector<int>& weights);
  // True `chance` times in 100.
  bool chance(int percent) { return static_cast<int>(below(100)) < percent; }
  std::uint64_t next() { return engine_(); }

 private:
  std::mt19937_64 engine_;
};

}  // namespace dk
