// Feeds arbitrary bytes to the reader of the requests a second start sends the running program:
// it never crashes, takes nothing larger than the limit, and what it takes is exactly a message
// the writer makes, of absolute paths on one line each.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/app/OpenRequest.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto paths = dk::parseOpenRequest(bytes);
  if (!paths) return 0;
  if (size > dk::kMaxOpenRequestBytes || paths->size() > dk::kMaxOpenRequestFiles) std::abort();
  for (const auto& path : *paths)
    if (path.empty() || path[0] != '/' || path.find('\n') != std::string::npos) std::abort();
  if (dk::formatOpenRequest(*paths) != bytes) std::abort();
  return 0;
}
