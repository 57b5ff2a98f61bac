// Feeds arbitrary bytes to the recovery index reader and writer: the reader never crashes and
// takes only what the writer could have written; whatever path and caption the writer is given,
// what it writes reads back as them, on one line each.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/files/RecoveryEntry.h"
#include "core/util/Text.h"
#include "core/util/TextEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (const auto entry = dk::parseRecoveryEntry(bytes)) {
    if (dk::parseRecoveryEntry(dk::formatRecoveryEntry(*entry)) != entry) std::abort();
  }
  // The same bytes as a path and a caption, split where a zero byte stands.
  const std::size_t cut = bytes.find('\0');
  const std::string text = dk::decodeFileText(bytes.substr(0, cut));
  const std::string caption =
      cut == std::string_view::npos ? "" : dk::decodeFileText(bytes.substr(cut + 1));
  const dk::RecoveryEntry written{text, caption, static_cast<std::int64_t>(size)};
  const auto read = dk::parseRecoveryEntry(dk::formatRecoveryEntry(written));
  const bool fits = dk::formatRecoveryEntry(written).size() <= dk::kMaxRecoveryEntryBytes;
  if (fits && (!read || read->originalPath != dk::toOneLine(text) ||
               read->caption != dk::toOneLine(caption) || read->keptAt != written.keptAt))
    std::abort();
  return 0;
}
