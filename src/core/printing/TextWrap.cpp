#include "core/printing/TextWrap.h"

#include <algorithm>

namespace dk {

namespace {

bool startsCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Wraps one paragraph (no line breaks inside) that spans [begin, end) of the text.
void wrapParagraph(std::string_view text, std::size_t begin, std::size_t end, int columns,
                   std::vector<WrappedLine>& out) {
  std::size_t pos = begin;
  if (pos == end) {
    out.push_back({begin, end});
    return;
  }
  while (pos < end) {
    // The longest run of at most `columns` characters from pos.
    std::size_t stop = pos;
    int count = 0;
    while (stop < end && count < columns) {
      ++stop;
      while (stop < end && !startsCharacter(text[stop])) ++stop;
      ++count;
    }
    std::size_t lineEnd = stop;
    std::size_t next = stop;
    if (stop < end) {
      if (isBlank(text[stop])) {
        // The line fills exactly; the blanks after it go.
        next = stop;
      } else {
        // Break at the last blank of the run, when there is one after the first character.
        std::size_t blank = stop;
        while (blank > pos && !isBlank(text[blank - 1])) --blank;
        if (blank > pos) {
          lineEnd = blank - 1;
          next = blank - 1;
        }
      }
      while (lineEnd > pos && isBlank(text[lineEnd - 1])) --lineEnd;
      while (next < end && isBlank(text[next])) ++next;
    }
    out.push_back({pos, lineEnd});
    pos = next;
  }
}

}  // namespace

std::vector<WrappedLine> wrapText(std::string_view text, int columns) {
  columns = std::max(columns, 1);
  std::vector<WrappedLine> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t stop = start;
    while (stop < text.size() && text[stop] != '\n' && text[stop] != '\r') ++stop;
    wrapParagraph(text, start, stop, columns, lines);
    if (stop == text.size()) break;
    std::size_t after = stop + 1;
    if (text[stop] == '\r' && after < text.size() && text[after] == '\n') ++after;
    start = after;
    if (start == text.size()) break;  // a final line break opens no empty line
  }
  return lines;
}

std::size_t characterCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), startsCharacter));
}

std::string_view firstCharacters(std::string_view text, std::size_t n) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (startsCharacter(text[i]) && seen++ == n) return text.substr(0, i);
  }
  return text;
}

std::string padRight(std::string_view text, std::size_t n) {
  std::string out(text);
  const std::size_t have = characterCount(text);
  if (have < n) out.append(n - have, ' ');
  return out;
}

std::string padLeft(std::string_view text, std::size_t n) {
  const std::size_t have = characterCount(text);
  std::string out(have < n ? n - have : 0, ' ');
  out += text;
  return out;
}

std::string expandTabs(std::string_view text, std::size_t every) {
  std::string out;
  out.reserve(text.size());
  std::size_t column = 0;
  for (const char c : text) {
    if (c == '\t') {
      const std::size_t blanks = every - column % every;
      out.append(blanks, ' ');
      column += blanks;
      continue;
    }
    out += c;
    if (c == '\n' || c == '\r') {
      column = 0;
    } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
      ++column;  // one per character, not per byte of it
    }
  }
  return out;
}

}  // namespace dk
