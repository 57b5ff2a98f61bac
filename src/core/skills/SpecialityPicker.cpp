#include "core/skills/SpecialityPicker.h"

#include <algorithm>

#include "core/catalogue/PackageTypes.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {
bool contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}
}  // namespace

std::string requiredHeading(const Speciality& speciality) {
  if (speciality.requiredCount < 1) return "Required";
  return "Required (" + toText(speciality.requiredCount) + ")";
}

std::string pickSkillsCaption(const Speciality& speciality) {
  return "Please pick the " + toText(speciality.requiredCount) + " skills for " + speciality.name +
         ".";
}

std::string tooFewRequiredPickedMessage(int count) {
  return "You need to select atleast " + toText(count) + " skills!";
}

std::optional<std::vector<std::string>> confirmRequiredPick(const RequiredSkillRequest& request,
                                                            std::vector<int> selectedRows,
                                                            Prompter& prompter) {
  std::sort(selectedRows.begin(), selectedRows.end());
  selectedRows.erase(std::unique(selectedRows.begin(), selectedRows.end()), selectedRows.end());
  std::vector<std::string> names;
  for (int row : selectedRows)
    if (row >= 0 && static_cast<std::size_t>(row) < request.names.size())
      names.push_back(request.names[static_cast<std::size_t>(row)]);
  if (static_cast<int>(names.size()) < request.count) {
    prompter.showMessage(tooFewRequiredPickedMessage(request.count), MessageIcon::Information);
    return std::nullopt;
  }
  return names;
}

SpecialityPicker::SpecialityPicker(std::vector<Speciality> specialities, int poolEntries)
    : specialities_(std::move(specialities)), poolEntries_(poolEntries) {}

void SpecialityPicker::select(int row) {
  selected_ = row >= 0 && static_cast<std::size_t>(row) < specialities_.size() ? row : -1;
}

void SpecialityPicker::choosePackageType(int index) {
  packageType_ = index >= 0 && static_cast<std::size_t>(index) < packageTypes().size() ? index : -1;
}

std::string SpecialityPicker::firstName() const {
  return first_ < 0 ? std::string() : specialities_[static_cast<std::size_t>(first_)].name;
}

std::string SpecialityPicker::secondName() const {
  return second_ < 0 ? std::string() : specialities_[static_cast<std::size_t>(second_)].name;
}

void SpecialityPicker::add(Prompter& prompter) {
  if (selected_ < 0) {
    prompter.showMessage(kSelectSpecialityFirst, MessageIcon::None);
    return;
  }
  // Either place counts: the same speciality twice would only repeat its skills.
  if (taken(selected_)) {
    prompter.showMessage(kSpecialityAlreadyPicked, MessageIcon::Information);
    return;
  }
  // The first free place; a second speciality never pushes out one already taken.
  if (first_ < 0)
    first_ = selected_;
  else if (second_ < 0)
    second_ = selected_;
  else
    return;  // both places taken: "Add" is disabled
  gather();
}

void SpecialityPicker::remove(Prompter& prompter) {
  if (selected_ < 0) {
    prompter.showMessage(kSelectSpecialityFirst, MessageIcon::None);
    return;
  }
  if (!taken(selected_)) {
    prompter.showMessage(kSpecialityNotTaken, MessageIcon::Information);
    return;
  }
  (selected_ == first_ ? first_ : second_) = -1;
  gather();
}

void SpecialityPicker::gather() {
  gatheredRequired_.clear();
  gatheredElectives_.clear();
  for (int row : {first_, second_}) {
    if (row < 0) continue;
    const Speciality& s = specialities_[static_cast<std::size_t>(row)];
    gatheredRequired_.insert(gatheredRequired_.end(), s.required.begin(), s.required.end());
    for (const std::string& name : s.electives)
      if (!contains(gatheredElectives_, name)) gatheredElectives_.push_back(name);
  }
}

SpecialityPicker::Outcome SpecialityPicker::ok(Prompter& prompter) {
  const PackageType* type =
      packageType_ < 0 ? nullptr : &packageTypes()[static_cast<std::size_t>(packageType_)];
  if (type && type->cost > poolEntries_) {
    prompter.showMessage(kTooFewSkillPointsForType, MessageIcon::None);
    return Outcome::Refused;
  }
  if (!type) {
    prompter.showMessage(kPickPackageType, MessageIcon::Information);
    return Outcome::Refused;
  }
  // Only the first place counts here: a second speciality left alone must be added again.
  if (first_ < 0) {
    prompter.showMessage(kAddSpecialityFirst, MessageIcon::Information);
    return Outcome::Refused;
  }

  std::vector<const Speciality*> chosen{&specialities_[static_cast<std::size_t>(first_)]};
  if (second_ >= 0) chosen.push_back(&specialities_[static_cast<std::size_t>(second_)]);
  SpecialityChoice choice;
  for (const Speciality* s : chosen)
    choice.electiveSkills.insert(choice.electiveSkills.end(), s->electives.begin(),
                                 s->electives.end());
  // The warrior keeps at most 51 of each; refuse rather than drop names unseen.
  if (choice.electiveSkills.size() > kMaxSpecialitySkills) {
    prompter.showMessage(kTooManyChosenElectives, MessageIcon::Information);
    return Outcome::Refused;
  }
  for (const Speciality* s : chosen) {
    if (s->requiredCount >= 1) {
      const auto picked =
          prompter.pickRequiredSkills({pickSkillsCaption(*s), s->required, s->requiredCount});
      if (!picked) return Outcome::Cancelled;
      choice.requiredSkills.insert(choice.requiredSkills.end(), picked->begin(), picked->end());
    } else {
      choice.requiredSkills.insert(choice.requiredSkills.end(), s->required.begin(),
                                   s->required.end());
    }
  }
  if (choice.requiredSkills.size() > kMaxSpecialitySkills) {
    prompter.showMessage(kTooManyChosenRequired, MessageIcon::Information);
    return Outcome::Refused;
  }
  choice.name1 = chosen[0]->name;
  choice.index1 = static_cast<std::int16_t>(first_ + 1);
  if (second_ >= 0) {
    choice.name2 = chosen[1]->name;
    choice.index2 = static_cast<std::int16_t>(second_ + 1);
  }
  choice.packageName = std::string(type->name);
  choice_ = std::move(choice);
  return Outcome::Confirmed;
}

}  // namespace dk
