#include "core/util/TextEncoding.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace dk {

namespace {

// Characters of the bytes 0x80 to 0x9F. The undefined bytes keep their own value as a C1
// control character, so that reading and writing them again gives the same byte.
constexpr std::array<char32_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

// The first byte from i on that is not plain ASCII (the size when there is none), eight bytes
// at a time: files are nearly all ASCII.
std::size_t endOfAscii(std::string_view bytes, std::size_t i) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
  while (i + 8 <= bytes.size()) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + i, 8);
    if (word & kHighBits) break;
    i += 8;
  }
  while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
  return i;
}

// Length of the valid UTF-8 sequence starting at bytes[i], with its code point; 0 when the
// bytes there are not a valid sequence.
std::size_t decodeOne(std::string_view bytes, std::size_t i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(bytes[i]);
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  }
  std::size_t len;
  char32_t min;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2, min = 0x80, cp = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3, min = 0x800, cp = b0 & 0x0F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4, min = 0x10000, cp = b0 & 0x07;
  } else {
    return 0;  // a continuation byte, an overlong two-byte lead (C0, C1) or F5 and above
  }
  if (bytes.size() - i < len) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(bytes[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

// The byte of a character in the code page, or -1.
int windows1252Byte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t k = 0; k < kHighTable.size(); ++k) {
    if (kHighTable[k] == cp) return static_cast<int>(0x80 + k);
  }
  return -1;
}

// The text with every byte that is not part of a valid sequence replaced by U+FFFD.
std::string repairedUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  char32_t cp;
  for (std::size_t i = 0; i < bytes.size();) {
    // The plain ASCII before the next other byte is taken whole.
    const std::size_t ascii = endOfAscii(bytes, i);
    out.append(bytes.substr(i, ascii - i));
    if ((i = ascii) == bytes.size()) break;
    const std::size_t len = decodeOne(bytes, i, cp);
    if (len == 0) {
      appendUtf8(out, 0xFFFD);
      ++i;
    } else {
      out.append(bytes.substr(i, len));
      i += len;
    }
  }
  return out;
}

}  // namespace

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool isAscii(std::string_view bytes) { return endOfAscii(bytes, 0) == bytes.size(); }

std::size_t repairedCharacterCount(std::string_view bytes) {
  std::size_t count = 0;
  char32_t cp;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t end = endOfAscii(bytes, i);  // plain ASCII counted in whole stretches
    count += end - i;
    if (end == bytes.size()) break;
    const std::size_t len = decodeOne(bytes, end, cp);
    ++count;
    i = end + (len == 0 ? 1 : len);
  }
  return count;
}

bool isValidUtf8(std::string_view bytes) {
  char32_t cp;
  for (std::size_t i = endOfAscii(bytes, 0); i < bytes.size(); i = endOfAscii(bytes, i)) {
    const std::size_t len = decodeOne(bytes, i, cp);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

std::string windows1252ToUtf8(std::string_view bytes) {
  // The UTF-8 form of every byte from 0x80 up, worked out once.
  static const std::array<std::string, 128> kHighBytes = [] {
    std::array<std::string, 128> table;
    for (int b = 0x80; b < 0x100; ++b) {
      appendUtf8(table[b - 0x80], b < 0xA0 ? kHighTable[b - 0x80] : static_cast<char32_t>(b));
    }
    return table;
  }();
  if (isAscii(bytes)) return std::string(bytes);  // nearly every value
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (std::size_t i = 0; i < bytes.size();) {
    // Plain ASCII goes across in whole stretches.
    const std::size_t end = endOfAscii(bytes, i);
    out.append(bytes.substr(i, end - i));
    if (end == bytes.size()) break;
    out += kHighBytes[static_cast<unsigned char>(bytes[end]) - 0x80];
    i = end + 1;
  }
  return out;
}

std::optional<std::string> utf8ToWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  char32_t cp;
  for (std::size_t i = 0; i < utf8.size();) {
    // Plain ASCII goes across in whole stretches.
    const std::size_t end = endOfAscii(utf8, i);
    if (end > i) {
      out.append(utf8.substr(i, end - i));
      i = end;
      continue;
    }
    const std::size_t len = decodeOne(utf8, i, cp);
    if (len == 0) return std::nullopt;
    const int b = windows1252Byte(cp);
    if (b < 0) return std::nullopt;
    out += static_cast<char>(b);
    i += len;
  }
  return out;
}

std::string decodeFileText(std::string_view bytes) {
  if (isValidUtf8(bytes)) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
      bytes.remove_prefix(kByteOrderMark.size());
    }
    return std::string(bytes);
  }
  return windows1252ToUtf8(bytes);
}

std::string encodeFileText(std::string_view utf8) {
  if (isAscii(utf8)) return std::string(utf8);
  std::string text = isValidUtf8(utf8) ? std::string(utf8) : repairedUtf8(utf8);
  std::optional<std::string> single = utf8ToWindows1252(text);
  // Written as Windows-1252 only when the reader cannot take those bytes for UTF-8.
  if (single && !isValidUtf8(*single)) return std::move(*single);
  return text;
}

}  // namespace dk
