#include "core/skills/SkillPoints.h"

#include <algorithm>

#include "core/util/Numeric.h"

namespace dk {

std::int64_t skillPointsCommitted(const Warrior& w, SkillArea area) {
  const SkillTraining& training = w.area(area).training;
  const auto& skills = w.area(area).skills;
  return training.price + boughtSkillPoints(skills, training);
}

void refillSkillPool(Warrior& w, SkillArea area) {
  if (area == SkillArea::InnerSphere && w.skillStage == kSkillStagePickingMos) return;
  const std::int64_t left =
      std::max<std::int64_t>(0, skillPointsGranted(w) - skillPointsCommitted(w, area));
  w.area(area).pool.assign(static_cast<std::size_t>(std::min<std::int64_t>(left, kMaxPoolEntries)),
                           1);
}

}  // namespace dk
