#pragma once
// The logic of "Pick Skill Packages" and of "Pick Skills": taking one or two specialities,
// choosing a package type, and the checks of "Ok" in their order. The dialogs only show it.

#include <optional>
#include <string>
#include <vector>

#include "core/catalogue/Specialities.h"
#include "core/context/Prompter.h"
#include "core/files/SpecialityFile.h"

namespace dk {

inline constexpr char kSelectSpecialityFirst[] = "You must select a package first!";
inline constexpr char kSpecialityAlreadyPicked[] = "You have already picked that item!";
inline constexpr char kSpecialityNotTaken[] = "You do not have that MOS.";
inline constexpr char kTooFewSkillPointsForType[] =
    "You don't have enough skill points to do this!";
inline constexpr char kPickPackageType[] = "Please pick a package type";
inline constexpr char kAddSpecialityFirst[] = "You must add some MOS/FOSs first.";
inline constexpr char kTooManyChosenRequired[] =
    "Together these MOS/FOSs give more than 51 required skills.  "
    "Please pick fewer skills or another MOS/FOS.";
inline constexpr char kTooManyChosenElectives[] =
    "Together these MOS/FOSs offer more than 51 electives.  Please pick another MOS/FOS.";

// The heading over a speciality's required skills: "Required", or "Required (<count>)" when the
// player chooses some of them.
std::string requiredHeading(const Speciality& speciality);

// "Please pick the <count> skills for <name>."
std::string pickSkillsCaption(const Speciality& speciality);

// "You need to select atleast <count> skills!"
std::string tooFewRequiredPickedMessage(int count);

// "Ok" of "Pick Skills": the names of the selected rows, top to bottom, or nullopt (after the
// message) when fewer than the count are selected. Selecting more is allowed.
std::optional<std::vector<std::string>> confirmRequiredPick(const RequiredSkillRequest& request,
                                                            std::vector<int> selectedRows,
                                                            Prompter& prompter);

class SpecialityPicker {
 public:
  enum class Outcome {
    Refused,    // a message was shown; the dialog stays open
    Confirmed,  // choice() holds the whole choice; the dialog closes
    Cancelled,  // "Pick Skills" was closed: the whole choice is given up
  };

  // The table as read when the dialog opened, and the unspent skill points of the warrior.
  SpecialityPicker(std::vector<Speciality> specialities, int poolEntries);

  const std::vector<Speciality>& specialities() const { return specialities_; }

  // Clicking a speciality (row from 0; -1 for none).
  void select(int row);
  int selected() const { return selected_; }

  // Choosing in "Package Type:" (index into packageTypes(); -1 for none).
  void choosePackageType(int index);

  void add(Prompter& prompter);
  void remove(Prompter& prompter);
  Outcome ok(Prompter& prompter);

  // The taken specialities' names ("" for an empty place).
  std::string firstName() const;
  std::string secondName() const;
  bool addEnabled() const { return first_ < 0 || second_ < 0; }

  // "Current Skills:": every required name of the taken specialities (first, then second), and
  // their electives, each once.
  const std::vector<std::string>& gatheredRequired() const { return gatheredRequired_; }
  const std::vector<std::string>& gatheredElectives() const { return gatheredElectives_; }

  // After Confirmed: what the warrior takes.
  const SpecialityChoice& choice() const { return choice_; }

 private:
  void gather();
  bool taken(int row) const { return row >= 0 && (row == first_ || row == second_); }

  std::vector<Speciality> specialities_;
  int poolEntries_ = 0;
  int selected_ = -1;
  int packageType_ = -1;
  int first_ = -1;  // rows of the taken specialities; -1 for an empty place
  int second_ = -1;
  std::vector<std::string> gatheredRequired_;
  std::vector<std::string> gatheredElectives_;
  SpecialityChoice choice_;
};

}  // namespace dk
