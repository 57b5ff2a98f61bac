#pragma once
// What the skills of an area have cost the warrior: the points its pool may no longer hold. The
// pool is worked out again from it wherever the pool is not kept (the area that comes to the
// front when the race changes, a new skills grant, a warrior opened from a file), so that no
// pool ever holds points the skills already spent.

#include <cstdint>
#include <vector>

#include "core/model/Warrior.h"
#include "core/skills/SkillAreas.h"

namespace dk {

// The points the area has paid out of the skills grant: its training's price and the levels
// bought on top. Taking a trained level off does not lower it; only taking the training back
// does.
std::int64_t skillPointsCommitted(const Warrior& w, SkillArea area);

// The pool of the area: one point for every point of the skills grant not yet committed. While
// a speciality is being picked the Inner Sphere pool holds its level choices and stays as it is.
void refillSkillPool(Warrior& w, SkillArea area);

}  // namespace dk
