#include "core/util/Numeric.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace dk {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::int64_t integerPart(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  std::int64_t value = 0;
  bool saturated = false;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    const int digit = text[i] - '0';
    if (value > (kMax - digit) / 10) {
      saturated = true;
      continue;
    }
    value = value * 10 + digit;
  }
  if (saturated) return negative ? std::numeric_limits<std::int64_t>::min() : kMax;
  return negative ? -value : value;
}

std::optional<std::int64_t> parseWholeNumber(std::string_view text) {
  const std::string trimmed = trimBlanks(text);
  if (trimmed.empty()) return std::nullopt;
  std::size_t i = 0;
  bool negative = false;
  if (trimmed[0] == '+' || trimmed[0] == '-') {
    negative = trimmed[0] == '-';
    i = 1;
  }
  if (i >= trimmed.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < trimmed.size(); ++i) {
    if (!isDigit(trimmed[i])) return std::nullopt;
    const int digit = trimmed[i] - '0';
    if (value > (std::numeric_limits<std::int64_t>::max() - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

std::int64_t roundHalfEven(double value) {
  if (!std::isfinite(value)) return 0;
  if (value >= 9.2e18) return std::numeric_limits<std::int64_t>::max();
  if (value <= -9.2e18) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(std::nearbyint(value));  // default mode: to nearest, ties even
}

std::int64_t halfRoundedEven(std::int64_t value) {
  const std::int64_t half = value / 2;  // toward zero
  const std::int64_t rest = value % 2;  // -1, 0 or 1
  if (rest == 0) return half;
  // Exactly .5 away from two neighbours: take the even one.
  const std::int64_t other = half + rest;
  return (half % 2 == 0) ? half : other;
}

std::string toText(std::int64_t value) { return std::to_string(value); }

std::string trimBlanks(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && isBlank(text[b])) ++b;
  while (e > b && isBlank(text[e - 1])) --e;
  return std::string(text.substr(b, e - b));
}

std::optional<double> readAmount(std::string_view text) {
  const std::string trimmed = trimBlanks(text);
  std::string_view s = trimmed;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  bool point = false;
  for (std::size_t k = i; k < s.size(); ++k) {
    if (s[k] >= '0' && s[k] <= '9') {
      ++digits;
    } else if (s[k] == '.' && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  // from_chars takes no '+' and reads the same whatever the locale says about decimal points.
  const bool negative = i > 0 && s[0] == '-';
  double value = 0;
  const auto body = s.substr(i);
  const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
  if (ec == std::errc::result_out_of_range) {
    value = HUGE_VAL;  // far beyond any amount; the caller refuses it
  } else if (ec != std::errc() || end != body.data() + body.size()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

std::optional<std::int32_t> wholeCBills(double amount) {
  if (!std::isfinite(amount) || std::fabs(amount) > 4e9) return std::nullopt;
  const std::int64_t whole = roundHalfEven(amount);
  if (!fitsInt32(whole)) return std::nullopt;
  return static_cast<std::int32_t>(whole);
}

std::string countText(std::int64_t n, const char* one, const char* many) {
  return toText(n) + " " + (n == 1 ? one : many);
}

}  // namespace dk
