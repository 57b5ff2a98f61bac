#include "core/skills/PackagePicker.h"

namespace dk {

PackagePicker::PackagePicker(std::vector<SkillPackage> packages, int points)
    : packages_(std::move(packages)), points_(points) {}

void PackagePicker::select(int row) {
  selected_ = row >= 0 && static_cast<std::size_t>(row) < packages_.size() ? row : -1;
}

const SkillPackage* PackagePicker::selected() const {
  return selected_ < 0 ? nullptr : &packages_[static_cast<std::size_t>(selected_)];
}

std::optional<int> PackagePicker::ok(Prompter& prompter) const {
  const SkillPackage* package = selected();
  if (!package) {
    prompter.showMessage(kSelectPackage, MessageIcon::Information);
    return std::nullopt;
  }
  if (points_ < package->cost) {
    prompter.showMessage(kTooFewPointsForPackage, MessageIcon::Information);
    return std::nullopt;
  }
  return selected_ + 1;
}

}  // namespace dk
