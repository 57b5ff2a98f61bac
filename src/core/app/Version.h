#pragma once
#include <string>

namespace dk {

inline constexpr const char* kAppTitle = "Drakkenfold Character Generator";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 3;
inline constexpr int kVersionRevision = 0;

// "Version 1.3.0"
inline std::string versionText() {
  return "Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionRevision);
}

}  // namespace dk
