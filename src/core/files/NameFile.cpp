#include "core/files/NameFile.h"

#include <map>
#include <string_view>

#include "core/util/Numeric.h"

namespace dk {

Result<NameLists> parseNameLists(const std::vector<DataItem>& items, DataFault* fault) {
  const auto failed = [fault](int line, std::string text) {
    if (fault) *fault = {line, text};
    return Result<NameLists>::failure(line > 0 ? "line " + toText(line) + ": " + text : text);
  };
  const DataLines lines = dataLines(items);
  NameLists out;
  std::vector<std::string>* list = nullptr;
  std::map<std::string_view, int> seen[2];  // views of the items' texts
  for (const auto& [n, line] : lines) {
    const std::string& first = line.front()->text;
    if (line.size() == 1 && first.empty()) continue;
    if (line.size() != 1)
      return failed(n, "the line holds " +
                           countText(static_cast<std::int64_t>(line.size()), "item", "items") +
                           "; a name stands on a line of its own (in double quotes if it has a "
                           "comma)");
    if (first.compare(0, 5, "Start") == 0) {
      if (first == kGivenNamesStart) {
        list = &out.given;
      } else if (first == kFamilyNamesStart) {
        list = &out.family;
      } else {
        return failed(n, "\"" + first + "\" is neither \"" + kGivenNamesStart + "\" nor \"" +
                             kFamilyNamesStart + "\"");
      }
      continue;
    }
    if (!list)
      return failed(n, "a name comes before \"" + std::string(kGivenNamesStart) + "\" or \"" +
                           kFamilyNamesStart + "\"");
    auto& names = seen[list == &out.given ? 0 : 1];
    const auto [at, added] = names.emplace(first, n);
    if (!added)
      return failed(n, "\"" + first + "\" is given already on line " + toText(at->second));
    if (list->size() == kMaxForgeNames)
      return failed(n, "a list holds at most " + toText(kMaxForgeNames) + " names");
    list->push_back(first);
  }
  if (out.given.empty() && out.family.empty()) return failed(0, "it holds no name");
  return out;
}

}  // namespace dk
