#pragma once
// `drakkenfold --random N [--profile NAME] [--seed S] --out FOLDER`: N random warriors written as
// files, for a gamemaster who needs a crew at once. Seeds S, S+1, ... (wrapping past the largest);
// each warrior is made by the forge exactly as the dialog makes it, under the profile named or,
// without one, a profile the seed picks.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/files/CatalogueFiles.h"

namespace dk {

inline constexpr std::size_t kMostRandomWarriors = 100000;

struct RandomBatch {
  std::size_t count = 0;
  std::optional<std::string> profile;
  std::uint64_t seed = 0;
  std::string folder;
};

struct BatchOutcome {
  int exitCode = 0;  // 0 written, 1 something could not be written, 2 a wrong command line
  std::vector<std::string> out;
  std::vector<std::string> err;
};

// "<name>.war", and "<name> 2.war", "<name> 3.war", ... for a name met again, in seed order.
std::vector<std::string> batchFileNames(const std::vector<std::string>& warriorNames);

// The profile a seed picks for a batch without one.
std::size_t batchProfileIndex(std::uint64_t seed, std::size_t profiles);

// Makes the folder when it is missing, makes sure no file of the batch is there yet (nothing is
// written when one is: every one there is named), then writes the warriors one by one.
BatchOutcome writeRandomWarriors(const RandomBatch& batch, const CatalogueFolders& folders);

}  // namespace dk
