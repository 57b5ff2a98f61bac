#include "core/files/SkillFile.h"

#include <cstddef>
#include <unordered_set>

namespace dk {

namespace {

// An empty item alone on its line is a blank line, not an empty field.
bool isBlankLine(const std::vector<DataItem>& items, std::size_t k) {
  if (!items[k].text.empty()) return false;
  const int line = items[k].line;
  const bool sharesWithPrevious = k > 0 && items[k - 1].line == line;
  const bool sharesWithNext = k + 1 < items.size() && items[k + 1].line == line;
  return !sharesWithPrevious && !sharesWithNext;
}

Result<SkillCatalogue> damaged(int line, const std::string& text, DataFault* fault) {
  if (fault) *fault = {line, text};
  return Result<SkillCatalogue>::failure(dataFileFaultMessage(kSkillsFileName, line, text));
}

}  // namespace

Result<SkillCatalogue> parseSkillCatalogue(const std::vector<DataItem>& items, DataFault* fault) {
  std::vector<const DataItem*> fields;
  fields.reserve(items.size());
  for (std::size_t k = 0; k < items.size(); ++k) {
    if (!isBlankLine(items, k)) fields.push_back(&items[k]);
  }

  SkillCatalogue catalogue;
  std::unordered_set<std::string> names;
  for (std::size_t k = 0; k < fields.size(); k += 2) {
    const DataItem& name = *fields[k];
    // A record is written on one line; a name whose code is missing would otherwise take the
    // next line's name as its code and shift every record after it.
    if (k + 1 >= fields.size() || fields[k + 1]->line != name.line) {
      return damaged(name.line, "the skill \"" + name.text + "\" has no characteristic code",
                     fault);
    }
    if (name.text.empty()) return damaged(name.line, "a skill has no name", fault);
    if (catalogue.skills.size() >= static_cast<std::size_t>(kMaxCatalogueSkills)) {
      return damaged(
          name.line,
          "the catalogue holds more than " + std::to_string(kMaxCatalogueSkills) + " skills",
          fault);
    }
    if (!names.insert(name.text).second) {
      return damaged(name.line, "the skill \"" + name.text + "\" is listed twice", fault);
    }
    const std::string& code = fields[k + 1]->text;
    catalogue.skills.push_back({name.text, code, classWordForCode(code)});
  }
  return catalogue;
}

Result<SkillCatalogue> readSkillCatalogue(const std::string& path) {
  const auto items = readDataFileItems(path);
  if (!items) {
    return Result<SkillCatalogue>::failure(
        dataFileUnreadableMessage(kSkillsFileName, items.message()));
  }
  return parseSkillCatalogue(*items);
}

}  // namespace dk
