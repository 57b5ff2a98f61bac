// Feeds arbitrary bytes to the data file item reader: it must never crash, never give more items
// than asked for, and never give an item a line before the one before it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/files/DataItems.h"
#include "core/util/TextEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text =
      dk::decodeFileText(std::string_view(reinterpret_cast<const char*>(data), size));
  const auto items = dk::splitDataItems(text, 256);
  if (items.size() > 256) std::abort();
  int line = 1;
  for (const auto& item : items) {
    if (item.line < line) std::abort();
    line = item.line;
  }
  return 0;
}
