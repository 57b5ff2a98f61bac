#pragma once
// A value worked out from others, kept as the sum it is made of, so that the number the rules
// use and the sentence a tooltip shows ("Mental 9 = 18 − (INT 5 + LRN 4)") come from the same
// terms and cannot drift apart.

#include <cstdint>
#include <string>
#include <vector>

namespace dk {

struct FormulaTerm {
  std::int64_t factor = 1;  // "2 × INT 4"
  std::string name;         // "INT", "level"
  std::int64_t value = 0;
};

struct Formula {
  std::string name;  // what is worked out: "Mental", "Head", "Gunnery roll"
  // With a base: base − (the terms); without one: the sum of the terms.
  bool hasBase = false;
  std::string baseName;  // "Physical" in "Physical 9 − level 2"; may be empty
  std::int64_t base = 0;
  std::vector<FormulaTerm> terms;

  std::int64_t value() const;
  // "Mental 9 = 18 − (INT 5 + LRN 4)", "Head 8 = 2 × BLD 4".
  std::string text() const;
};

}  // namespace dk
