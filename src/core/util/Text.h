#pragma once
#include <string>
#include <string_view>

namespace dk {

// A one-line value of the record never holds a line break: the warrior file has one value per
// line, so a break (CR LF, CR or LF) would shift every later line, and a NUL would make the file
// unreadable. Each becomes a space, CR LF counting as one break.
std::string toOneLine(std::string_view value);

// Where the first line break (CR or LF) or NUL of a text stands from `from` on; npos for none.
std::size_t findBreakOrNul(std::string_view text, std::size_t from = 0);

}  // namespace dk
