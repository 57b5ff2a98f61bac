#pragma once
// The recent warrior files: the last ten opened or saved, newest first, each once.

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace dk {

inline constexpr std::size_t kRecentFilesKept = 10;

// The list with `path` at the front (taken from where it stood), cut to what is kept.
inline std::vector<std::string> withRecentFile(std::vector<std::string> list,
                                               const std::string& path) {
  list.erase(std::remove(list.begin(), list.end(), path), list.end());
  list.insert(list.begin(), path);
  if (list.size() > kRecentFilesKept) list.resize(kRecentFilesKept);
  return list;
}

// "The warrior file "<path>" no longer exists; it was taken off the list."
inline std::string recentFileGoneMessage(const std::string& path) {
  return "The warrior file \"" + path + "\" no longer exists; it was taken off the list.";
}

}  // namespace dk
