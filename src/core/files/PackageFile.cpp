#include "core/files/PackageFile.h"

#include <algorithm>

#include "core/files/TrainingRecords.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {

constexpr TrainingFile kFile{kPackageFileName, "package", "packages", false};

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

// The rest of a record: the cost in skill points, then pairs of skill name and level, and "End"
// where a skill name would stand.
SkillPackage readPackage(RecordItems& in, const std::string&, const std::string& name) {
  SkillPackage p;
  const DataItem& costItem = in.take(name + " is cut short");
  const std::optional<std::int64_t> cost = parseWholeNumber(costItem.text);
  if (!cost || *cost < 0 || !fitsInt16(*cost))
    throw RecordFault{costItem.line, "the cost of " + name + " is not a whole number"};
  p.cost = static_cast<std::int16_t>(*cost);
  for (;;) {
    // "End" counts only where a skill name is expected.
    const DataItem& skill = in.next(name + " has no \"End\"");
    if (skill.text == "End") break;
    if (skill.text.empty()) throw RecordFault{skill.line, name + " has an empty skill name"};
    if (p.skills.size() == kMaxPackageSkills)
      throw RecordFault{skill.line, name + " names more than 51 skills"};
    const bool twice =
        std::any_of(p.skills.begin(), p.skills.end(),
                    [&](const SkillPackageEntry& s) { return s.name == skill.text; });
    if (twice)
      throw RecordFault{skill.line, name + " names the skill " + quoted(skill.text) + " twice"};
    const DataItem& level =
        in.next("the skill " + quoted(skill.text) + " of " + name + " has no level", skill.line);
    const std::optional<std::int64_t> value = parseWholeNumber(level.text);
    if (!value || *value < 1 || !fitsInt16(*value))
      throw RecordFault{level.line, "the level of " + quoted(skill.text) + " in " + name +
                                        " is not a whole number of 1 or more"};
    p.skills.push_back({skill.text, toText(*value)});
  }
  return p;
}

}  // namespace

Result<std::vector<SkillPackage>> parsePackages(const std::vector<DataItem>& items,
                                                DataFault* fault) {
  return readTrainingRecords<SkillPackage>(items, kFile, readPackage, fault);
}

Result<std::vector<SkillPackage>> loadPackages(const std::string& path) {
  return loadTrainingFile(path, kFile, [](const auto& items) { return parsePackages(items); });
}

}  // namespace dk
