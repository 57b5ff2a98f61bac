#pragma once
// How the warrior file's writer and reader speak of what they find: names quoted (and cut short
// when long), nouns with their article, and what belongs on a line described only when something
// is wrong with it.

#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace dk::wording {

inline bool isBlank(char c) { return c == ' ' || c == '\t'; }

inline std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// A name for a message, cut short when it is long.
inline std::string shortQuoted(std::string_view text) {
  constexpr std::size_t kShown = 60;
  if (text.size() <= kShown) return quoted(text);
  std::size_t cut = kShown;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return quoted(std::string(text.substr(0, cut)) + "...");
}

// "a skill", "an advantage".
inline std::string withArticle(const std::string& noun) {
  const bool vowel = !noun.empty() && std::strchr("AEIOUaeiou", noun[0]) != nullptr;
  return (vowel ? "an " : "a ") + noun;
}

// What belongs on a line: a plain text, or a function that builds the text (row names are
// worked in), so reading a good file builds none.
inline std::string describe(const char* what) { return what; }
inline std::string describe(const std::string& what) { return what; }
template <typename F>
requires std::is_invocable_r_v<std::string, const F&> std::string describe(const F& what) {
  return what();
}

}  // namespace dk::wording
