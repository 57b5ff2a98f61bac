#include "core/util/Text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace dk {

std::string toOneLine(std::string_view value) {
  // The copy is made whole; the text between the breaks is then moved up in whole stretches, as
  // far as the CR LFs (two bytes, one space) before it have left room.
  std::string out(value);
  std::size_t w = 0;
  for (std::size_t r = 0;;) {
    const std::size_t stop = std::min(findBreakOrNul(value, r), value.size());
    if (w != r) std::memcpy(out.data() + w, value.data() + r, stop - r);
    w += stop - r;
    if (stop == value.size()) break;
    out[w++] = ' ';
    r = stop + (value[stop] == '\r' && stop + 1 < value.size() && value[stop + 1] == '\n' ? 2 : 1);
  }
  out.resize(w);
  return out;
}

std::size_t findBreakOrNul(std::string_view text, std::size_t from) {
  // Eight bytes at a time past those that cannot be one (every byte from 14 up): the bytes
  // below 14 of a word show in its high bits.
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kHighs = 0x8080808080808080ull;
  std::size_t i = from;
  while (i + 8 <= text.size()) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    if (((word - kOnes * 14) & ~word & kHighs) != 0) break;
    i += 8;
  }
  for (; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c <= '\r' && (c == '\r' || c == '\n' || c == '\0')) return i;
  }
  return std::string_view::npos;
}

}  // namespace dk
