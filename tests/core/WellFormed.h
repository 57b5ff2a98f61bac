#pragma once
// A strict check that a page is well-formed XML (an optional doctype, then one element): names,
// quoted attributes, only the entities XML knows, every element closed in order, and valid UTF-8
// without control characters. Empty when it is; else what is wrong first.
#include <string>
#include <string_view>
#include <vector>

#include "core/util/TextEncoding.h"

namespace dk::test {

inline std::string wellFormedProblem(std::string_view page) {
  if (!isValidUtf8(page)) return "not UTF-8";
  for (const char c : page)
    if ((static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\r' && c != '\t') || c == 0x7f)
      return "a control character";
  std::vector<std::string> open;
  bool rootSeen = false;
  const auto isName = [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == ':';
  };
  const auto entityOk = [&](std::size_t at) {
    const std::size_t end = page.find(';', at);
    if (end == std::string_view::npos) return false;
    const std::string_view e = page.substr(at + 1, end - at - 1);
    if (e == "amp" || e == "lt" || e == "gt" || e == "quot" || e == "apos") return true;
    return e.size() > 1 && e[0] == '#' &&
           e.find_first_not_of("0123456789", 1) == std::string_view::npos;
  };
  for (std::size_t i = 0; i < page.size();) {
    if (page[i] == '&') {
      if (!entityOk(i)) return "a bare & at " + std::to_string(i);
      ++i;
      continue;
    }
    if (page[i] == '>') return "a bare > at " + std::to_string(i);
    if (page[i] != '<') {
      if (open.empty() && !std::isspace(static_cast<unsigned char>(page[i])))
        return "text outside the root at " + std::to_string(i);
      ++i;
      continue;
    }
    if (page.substr(i, 9) == "<!DOCTYPE" && !rootSeen) {
      i = page.find('>', i);
      if (i == std::string_view::npos) return "an unclosed doctype";
      ++i;
      continue;
    }
    const bool closing = i + 1 < page.size() && page[i + 1] == '/';
    std::size_t j = i + (closing ? 2 : 1);
    const std::size_t nameStart = j;
    while (j < page.size() && isName(page[j])) ++j;
    const std::string name(page.substr(nameStart, j - nameStart));
    if (name.empty()) return "a bare < at " + std::to_string(i);
    // Attributes: name="value" with no < in the value.
    while (j < page.size() && page[j] != '>' && page[j] != '/') {
      while (j < page.size() && std::isspace(static_cast<unsigned char>(page[j]))) ++j;
      if (j < page.size() && (page[j] == '>' || page[j] == '/')) break;
      const std::size_t attribute = j;
      while (j < page.size() && isName(page[j])) ++j;
      if (j == attribute || closing || page.substr(j, 2) != "=\"")
        return "a bad attribute in <" + name;
      const std::size_t end = page.find('"', j + 2);
      if (end == std::string_view::npos ||
          page.substr(j + 2, end - j - 2).find('<') != std::string_view::npos)
        return "a bad attribute value in <" + name;
      j = end + 1;
    }
    const bool empty = j < page.size() && page[j] == '/';
    if (empty) ++j;
    if (j >= page.size() || page[j] != '>') return "an unclosed tag <" + name;
    i = j + 1;
    if (closing) {
      if (open.empty() || open.back() != name) return "</" + name + "> closes nothing open";
      open.pop_back();
    } else if (!empty) {
      if (open.empty() && rootSeen) return "a second root <" + name + ">";
      open.push_back(name);
      rootSeen = true;
      // Style text is no markup: it runs to its closing tag.
      if (name == "style") i = page.find("</style>", i);
      if (i == std::string_view::npos) return "an unclosed style";
    }
  }
  if (!open.empty()) return "<" + open.back() + "> never closed";
  return rootSeen ? "" : "no element";
}

}  // namespace dk::test
