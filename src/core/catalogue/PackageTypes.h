#pragma once
// The four kinds of training a speciality can be taken through: what each costs (also the
// fewest skill points that may choose it) and the levels it hands out to required skills and
// electives, in the order they are offered.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace dk {

struct PackageType {
  std::string_view name;
  std::int16_t cost;
  std::span<const std::int16_t> levels;
};

// "Basic Academy Package", "Advanced Academy Package", "Basic University Package",
// "Advanced University Package", in the order the dialog lists them.
const std::array<PackageType, 4>& packageTypes();

// The type of that exact name; nullptr for any other text.
const PackageType* findPackageType(std::string_view name);

}  // namespace dk
