#include "core/catalogue/PackageTypes.h"

namespace dk {

namespace {
constexpr std::int16_t kBasicAcademy[] = {2, 2, 2, 1, 1, 1};
constexpr std::int16_t kAdvancedAcademy[] = {3, 3, 2, 2, 1, 1};
constexpr std::int16_t kBasicUniversity[] = {2, 2, 2, 2, 1, 1, 1, 1};
constexpr std::int16_t kAdvancedUniversity[] = {3, 3, 2, 2, 2, 1, 1, 1};

constexpr std::array<PackageType, 4> kTypes{{
    {"Basic Academy Package", 9, kBasicAcademy},
    {"Advanced Academy Package", 15, kAdvancedAcademy},
    {"Basic University Package", 12, kBasicUniversity},
    {"Advanced University Package", 18, kAdvancedUniversity},
}};
}  // namespace

const std::array<PackageType, 4>& packageTypes() { return kTypes; }

const PackageType* findPackageType(std::string_view name) {
  for (const PackageType& type : kTypes)
    if (type.name == name) return &type;
  return nullptr;
}

}  // namespace dk
