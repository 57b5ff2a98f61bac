#include "core/app/OpenRequest.h"

#include <algorithm>

#include "core/util/Numeric.h"
#include "core/util/TextEncoding.h"

namespace dk {

namespace {
constexpr std::string_view kHeader = "DRAKKENFOLD OPEN 1\n";
constexpr std::string_view kEnd = "END\n";
}  // namespace

std::string formatOpenRequest(const std::vector<std::string>& paths) {
  std::string out(kHeader);
  for (const std::string& path : paths) out += path + "\n";
  out += kEnd;
  return out;
}

std::optional<std::vector<std::string>> parseOpenRequest(std::string_view bytes) {
  if (bytes.size() > kMaxOpenRequestBytes || bytes.substr(0, kHeader.size()) != kHeader)
    return std::nullopt;
  if (bytes.size() < kHeader.size() + kEnd.size() ||
      bytes.substr(bytes.size() - kEnd.size()) != kEnd || !isValidUtf8(bytes) ||
      bytes.find('\0') != std::string_view::npos) {
    return std::nullopt;
  }
  std::string_view body = bytes.substr(kHeader.size(), bytes.size() - kHeader.size() - kEnd.size());
  std::vector<std::string> paths;
  while (!body.empty()) {
    const std::size_t end = body.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view path = body.substr(0, end);
    if (path.empty() || path.front() != '/' || path.size() > kMaxRequestPathBytes ||
        path.find('\r') != std::string_view::npos || paths.size() == kMaxOpenRequestFiles)
      return std::nullopt;
    paths.emplace_back(path);
    body.remove_prefix(end + 1);
  }
  return paths;
}

bool openRequestIncomplete(std::string_view bytes) {
  if (bytes.size() >= kMaxOpenRequestBytes) return false;
  const std::size_t n = std::min(bytes.size(), kHeader.size());
  if (bytes.substr(0, n) != kHeader.substr(0, n)) return false;
  return bytes.size() < kEnd.size() || bytes.substr(bytes.size() - kEnd.size()) != kEnd;
}

std::string openedReply(std::size_t windowsOpen) {
  return "OPENED " + toText(static_cast<std::int64_t>(windowsOpen)) + "\n";
}

}  // namespace dk
