#include "core/files/RecoveryEntry.h"

#include <vector>

#include "core/util/Numeric.h"
#include "core/util/Text.h"
#include "core/util/TextEncoding.h"

namespace dk {

namespace {
constexpr std::string_view kFirstLine = "Drakkenfold recovery 1";
}  // namespace

std::string formatRecoveryEntry(const RecoveryEntry& entry) {
  // A path or caption holding a line break would shift the lines after it.
  return std::string(kFirstLine) + "\n" + toOneLine(entry.originalPath) + "\n" +
         toOneLine(entry.caption) + "\n" + toText(entry.keptAt) + "\n";
}

std::optional<RecoveryEntry> parseRecoveryEntry(std::string_view bytes) {
  if (bytes.size() > kMaxRecoveryEntryBytes || !isValidUtf8(bytes)) return std::nullopt;
  if (bytes.find('\0') != std::string_view::npos) return std::nullopt;
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) return std::nullopt;  // every line ends with its break
    std::string_view line = bytes.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find('\r') != std::string_view::npos) return std::nullopt;
    lines.push_back(line);
    bytes.remove_prefix(end + 1);
  }
  if (lines.size() != 4 || lines[0] != kFirstLine) return std::nullopt;
  const std::optional<std::int64_t> time = parseWholeNumber(lines[3]);
  if (!time || *time < 0 || lines[3] != trimBlanks(lines[3])) return std::nullopt;
  return RecoveryEntry{std::string(lines[1]), std::string(lines[2]), *time};
}

}  // namespace dk
