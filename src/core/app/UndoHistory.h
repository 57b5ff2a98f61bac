#pragma once
// Undo and redo of a warrior window: the warrior after each step the player took, and the name
// of each step ("Raise Build", "Buy Small Arms", "Skills Priority"). A step is one whole command
// that changed the warrior; one that changed nothing, or only a list's selection, is none. The
// warrior is a value, so a step keeps a whole copy of it: undo is putting an earlier copy back,
// and never runs a rule again.

#include <cstddef>
#include <string>
#include <vector>

#include "core/model/Warrior.h"

namespace dk {

inline constexpr std::size_t kUndoSteps = 250;

// Whether two warriors differ in what a step takes back: everything but what their lists have
// selected (a click that only selects a row is no step of its own) and the file they belong to
// (saving is no step, and undo never forgets where the warrior is saved).
bool differsBeyondSelections(const Warrior& a, const Warrior& b);

// The step typing into a field makes: "Edit Name", "Edit Notes", "Edit Date of birth".
std::string editStepName(std::string Warrior::*field);

class UndoHistory {
 public:
  explicit UndoHistory(Warrior start, std::size_t limit = kUndoSteps);

  // After a command named `label`: a new step when the warrior now differs from the state of
  // the last step. The steps that could have been redone go. True when a step was made.
  bool record(const std::string& label, const Warrior& now);

  bool canUndo() const { return at_ > 0; }
  bool canRedo() const { return at_ + 1 < states_.size(); }
  // The name of the step undo would take back, or redo would take again.
  const std::string& undoLabel() const;
  const std::string& redoLabel() const;
  // The warrior before the step taken back, and after the step taken again.
  const Warrior& undo();
  const Warrior& redo();
  // The warrior as of the last step (or the undo or redo last made).
  const Warrior& current() const { return states_[at_]; }
  std::size_t steps() const { return states_.size() - 1; }

  // The warrior as it was last saved or opened: modified() is whether it differs from that. A
  // warrior brought back from the recovery folder counts as modified until it is saved.
  void markSaved(const Warrior& saved);
  void markUnsaved() { unsaved_ = true; }
  bool modified(const Warrior& now) const {
    return unsaved_ || differsBeyondSelections(now, saved_);
  }

 private:
  std::vector<Warrior> states_;      // states_[0] the start, states_[i] after step i
  std::vector<std::string> labels_;  // labels_[i - 1] names step i
  std::size_t at_ = 0;
  std::size_t limit_;
  Warrior saved_;
  bool unsaved_ = false;
};

}  // namespace dk
