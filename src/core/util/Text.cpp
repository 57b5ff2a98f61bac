#include "util/Text.h"

namespace dk {

std::string toOneLine(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
    out += (c == '\r' || c == '\n' || c == '\0') ? ' ' : c;
  }
  return out;
}

}  // namespace dk
