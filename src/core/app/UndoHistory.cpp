#include "core/app/UndoHistory.h"

#include "core/files/WarriorLayout.h"

namespace dk {

namespace {
// The list selections and the clan list's sort column (what the player looks at, not what the
// warrior is) and the file path.
void takeSelectionsOf(Warrior& w, const Warrior& from) {
  w.selections = from.selections;
  w.filePath = from.filePath;
}

const std::string kNothing;
}  // namespace

std::string editStepName(std::string Warrior::*field) {
  std::string caption = fieldCaption(field);
  if (caption.rfind("the ", 0) == 0) caption.erase(0, 4);
  if (!caption.empty() && caption[0] >= 'a' && caption[0] <= 'z') caption[0] -= 'a' - 'A';
  return caption.empty() ? "Edit" : "Edit " + caption;
}

bool differsBeyondSelections(const Warrior& a, const Warrior& b) {
  if (a == b) return false;
  Warrior same = a;
  takeSelectionsOf(same, b);
  return !(same == b);
}

UndoHistory::UndoHistory(Warrior start, std::size_t limit)
    : limit_(limit < 1 ? 1 : limit), saved_(start) {
  states_.push_back(std::move(start));
}

bool UndoHistory::record(const std::string& label, const Warrior& now) {
  if (!differsBeyondSelections(now, states_[at_])) {
    states_[at_] = now;  // a selection goes with the state it was made in
    return false;
  }
  states_.resize(at_ + 1);
  labels_.resize(at_);
  states_.push_back(now);
  labels_.push_back(label);
  if (states_.size() > limit_ + 1) {
    states_.erase(states_.begin());
    labels_.erase(labels_.begin());
  }
  at_ = states_.size() - 1;
  return true;
}

const std::string& UndoHistory::undoLabel() const {
  return canUndo() ? labels_[at_ - 1] : kNothing;
}

const std::string& UndoHistory::redoLabel() const { return canRedo() ? labels_[at_] : kNothing; }

const Warrior& UndoHistory::undo() {
  if (canUndo()) --at_;
  return states_[at_];
}

const Warrior& UndoHistory::redo() {
  if (canRedo()) ++at_;
  return states_[at_];
}

void UndoHistory::markSaved(const Warrior& saved) {
  saved_ = saved;
  unsaved_ = false;
}

}  // namespace dk
