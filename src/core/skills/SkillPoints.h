#pragma once
// What the skills of an area have cost the warrior: the points its pool may no longer hold.
// Worked out again where the pool is not kept (a warrior opened from a file, the area that
// comes to the front when the race changes), so that no pool ever holds points the skills
// already spent.

#include <cstdint>
#include <vector>

#include "catalogue/SkillPackage.h"
#include "model/Warrior.h"
#include "skills/SkillAreas.h"

namespace dk {

// Single levels cost L(L+1)/2 each. A training package costs its price plus the levels bought
// on top of its own; an Inner Sphere package is looked up in `packages` (the rows of the
// package file) and, like a clan package the list does not show, counted as single levels
// when it cannot be told. A speciality's levels came from choices of its package type, which
// never give less than they cost, so they are counted as single levels: never fewer points
// than were spent.
std::int64_t skillPointsCommitted(const Warrior& w, SkillArea area,
                                  const std::vector<SkillPackage>& packages = {});

// The pool of the area: one point for every point of the skills grant not yet committed.
void refillSkillPool(Warrior& w, SkillArea area, const std::vector<SkillPackage>& packages = {});

}  // namespace dk
