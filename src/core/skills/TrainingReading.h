#pragma once
// A training read back from a warrior file. The file keeps the skills at their levels, the
// speciality names with the package type, the package row and whether a clan package was
// taken, but not which levels the training handed out: those are read from the package (its
// skills and levels), or, for a speciality, from which skills its lists offered and which level
// choices its package type gives.
//
// Where the file allows more than one reading, Open takes the dearest that the skills grant
// could have paid, so that no reading leaves a pool more points than the warrior had. Of a
// speciality's readings only those that need the fewest of its levels to have been taken off
// count: which skills its choices went to is in no file, and a warrior saved with every level
// still on its list then opens as it was.

#include <cstdint>
#include <vector>

#include "core/catalogue/SkillPackage.h"
#include "core/model/Warrior.h"
#include "core/skills/SkillAreas.h"

namespace dk {

struct TrainingReading {
  SkillTraining training;           // what Open puts in the record
  std::int64_t leastCommitted = 0;  // the least the area can have paid, for Check Warrior
  bool exact = true;                // the file leaves no other reading of the pool
};

// The training of one area of a warrior as read from its file (`packages`: the rows of the
// package file, for an Inner Sphere package).
TrainingReading readTraining(const Warrior& w, SkillArea area,
                             const std::vector<SkillPackage>& packages);

}  // namespace dk
