#pragma once
// The logic of "Pick Package": choosing a ready-made skill package the warrior can afford.

#include <optional>
#include <string>
#include <vector>

#include "core/context/Prompter.h"
#include "core/files/PackageFile.h"

namespace dk {

inline constexpr char kSelectPackage[] = "You must select a package!";
inline constexpr char kTooFewPointsForPackage[] = "You don't have enough points to do that";

class PackagePicker {
 public:
  // The table as read when the dialog opened, and the skill points the warrior has to spend.
  PackagePicker(std::vector<SkillPackage> packages, int points);

  const std::vector<SkillPackage>& packages() const { return packages_; }

  // Clicking a package (row from 0; -1 for none).
  void select(int row);
  // The clicked package, nullptr when none.
  const SkillPackage* selected() const;

  // "Ok": the row (from 1) of the package taken, or nullopt after a refusal.
  std::optional<int> ok(Prompter& prompter) const;

 private:
  std::vector<SkillPackage> packages_;
  int points_ = 0;
  int selected_ = -1;
};

}  // namespace dk
