#pragma once
// Number handling shared by every rule: the displayed half of a warrior holds its numbers as
// text, so rules read "the integer part of the number in the text", compute, and write whole
// numbers back. Scores and levels are 16-bit, money is 32-bit; nothing may wrap silently.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dk {

// Leading number of a text, read the lenient way displayed values are read: blanks skipped,
// an optional sign, digits, an optional fraction; anything after that is ignored. The integer
// part (fraction dropped toward zero) is returned; a text without a number gives 0. Results
// beyond the 64-bit range saturate.
std::int64_t integerPart(std::string_view text);

// A whole number and nothing else (blanks and tabs around it allowed), as typed into an input
// box or stored on a number line of a warrior file. nullopt for anything else.
std::optional<std::int64_t> parseWholeNumber(std::string_view text);

constexpr bool fitsInt16(std::int64_t v) { return v >= INT16_MIN && v <= INT16_MAX; }
constexpr bool fitsInt32(std::int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }
constexpr std::int16_t clampToInt16(std::int64_t v) {
  return static_cast<std::int16_t>(v < INT16_MIN ? INT16_MIN : v > INT16_MAX ? INT16_MAX : v);
}
constexpr std::int32_t clampToInt32(std::int64_t v) {
  return static_cast<std::int32_t>(v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : v);
}

// The integer part of a number shown, taken at most the 32-bit range for arithmetic: a sum or a
// step of such numbers (a hand-edited file may give any length of digits) fits 64 bits, never
// wraps.
inline std::int64_t operandOf(std::string_view text) { return clampToInt32(integerPart(text)); }

// Conversion of a fractional number to a whole one: nearest, halves to the even neighbour.
std::int64_t roundHalfEven(double value);

// Halving of a whole number with the same rounding (window placement).
std::int64_t halfRoundedEven(std::int64_t value);

// --- Money: amounts of C-Bills are 32-bit whole numbers; texts may give fractions.
// An amount of C-Bills and nothing else, blanks around it allowed: an optional sign, digits and
// an optional fraction ("1500", "-20", "12.5", ".5"). nullopt for anything else.
std::optional<double> readAmount(std::string_view text);

// A computed amount as whole C-Bills: rounded to the nearest, halves to the even one; nullopt
// when that leaves the 32-bit range.
std::optional<std::int32_t> wholeCBills(double amount);

// Decimal integer text ("12", "-3").
std::string toText(std::int64_t value);
// "1 skill", "3 skills": a count with the word for one or for more.
std::string countText(std::int64_t n, const char* one, const char* many);

// Removes leading and trailing blanks and tabs.
std::string trimBlanks(std::string_view text);

}  // namespace dk
