#pragma once
// The small index beside each warrior kept for recovery: where the warrior belongs (the file it
// was opened from or saved to, empty for one never saved), the caption its window had, and when
// it was kept. Four lines of UTF-8:
//
//   Drakkenfold recovery 1
//   <original path>
//   <caption>
//   <seconds since 1970>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dk {

struct RecoveryEntry {
  std::string originalPath;
  std::string caption;
  std::int64_t keptAt = 0;
  bool operator==(const RecoveryEntry&) const = default;
};

// An index file is a few hundred bytes; anything past this is no index of ours.
inline constexpr std::size_t kMaxRecoveryEntryBytes = 64 * 1024;

std::string formatRecoveryEntry(const RecoveryEntry& entry);

// nullopt for anything but a well-formed index: the first line, three more lines without NULs
// or line breaks inside them, a time that is a whole number from 0 up, nothing after it.
std::optional<RecoveryEntry> parseRecoveryEntry(std::string_view bytes);

}  // namespace dk
