#include "core/skills/SkillCommands.h"

#include <algorithm>

#include "core/skills/SpecialityPicking.h"
#include "core/util/Numeric.h"

namespace dk {

void addSkillPointIn(RuleContext& ctx, SkillArea area) {
  if (area == SkillArea::InnerSphere) {
    addSkillPointIS(ctx);
  } else {
    addSkillPoint(ctx, area);
  }
}

void removeSkillPointIn(RuleContext& ctx, SkillArea area) {
  if (area == SkillArea::InnerSphere) {
    removeSkillPointIS(ctx);
  } else {
    removeSkillPoint(ctx, area);
  }
}

void doubleClickOwnedSkillIn(RuleContext& ctx, SkillArea area, const std::string& name) {
  clickOwnedSkill(ctx.warrior, area, name);
  if (area == SkillArea::InnerSphere) removeSkillPointIS(ctx);
}

void doubleClickCatalogueSkill(RuleContext& ctx, SkillArea area, const std::string& name) {
  if (area == SkillArea::InnerSphere) {
    doubleClickSkillListIS(ctx, name);
  } else {
    doubleClickSkillList(ctx, area, name);
  }
}

std::vector<SkillEntry> shownOwnedSkills(const Warrior& w, SkillArea area) {
  std::vector<SkillEntry> rows = w.area(area).skills;
  const int column = area == SkillArea::Clan ? w.selections.clanSortColumn : -1;
  if (column < 0) return rows;
  const auto cell = [column](const SkillEntry& s) -> const std::string& {
    return column == 0 ? s.name : column == 1 ? s.level : s.roll;
  };
  std::stable_sort(rows.begin(), rows.end(), [&](const SkillEntry& a, const SkillEntry& b) {
    if (column > 0) {
      const auto x = parseWholeNumber(cell(a)), y = parseWholeNumber(cell(b));
      if (x && y) return *x < *y;
    }
    return cell(a) < cell(b);
  });
  return rows;
}

}  // namespace dk
