#pragma once
// Breaking a text into the lines of a fixed-pitch rectangle. Every character (not every byte: the
// text is UTF-8) takes one cell. Shared by the sheet and by the renderers, so that what the sheet
// counts as fitting is exactly what gets drawn.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dk {

struct WrappedLine {
  std::size_t begin = 0;  // byte offsets into the wrapped text
  std::size_t end = 0;
};

// Lines of at most `columns` characters (at least 1). A line break (LF, CR LF or CR) always ends
// a line; otherwise a line ends at the last blank that lets it fit, the blanks at the break being
// dropped, and a word longer than a whole line is cut. Every character of the text lies in a line
// or in the blanks or breaks between two lines.
std::vector<WrappedLine> wrapText(std::string_view text, int columns);

// The text with each tab replaced by the blanks up to the next tab stop (every `every`
// characters of a line), as a typewriter would set it.
std::string expandTabs(std::string_view text, std::size_t every = 8);

// The number of characters (UTF-8 code points) in a text.
std::size_t characterCount(std::string_view text);

// The first n characters of a text (all of it when it is shorter).
std::string_view firstCharacters(std::string_view text, std::size_t n);

// The text followed by blanks up to n characters; a longer text is kept whole.
std::string padRight(std::string_view text, std::size_t n);
// The text preceded by blanks up to n characters; a longer text is kept whole.
std::string padLeft(std::string_view text, std::size_t n);

}  // namespace dk
