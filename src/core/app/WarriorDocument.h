#pragma once
// What a warrior window shows: one warrior, the steps it can take back and take again, the file
// it belongs to and whether it differs from that file. Every change comes in as a command, or as
// typing into one of its text fields; the window only draws the warrior and hands these on.

#include <memory>
#include <optional>
#include <string>

#include "core/app/CheckWarrior.h"
#include "core/app/Commands.h"
#include "core/app/DiskChange.h"
#include "core/app/UndoHistory.h"
#include "core/catalogue/GearCatalogue.h"
#include "core/context/RuleContext.h"
#include "core/files/ReadFile.h"

namespace dk {

class WarriorDocument {
 public:
  // The warrior as it opened (new, from a file, or kept by the recovery folder), with the
  // catalogues of its window read afresh; what opened is what counts as saved.
  WarriorDocument(Warrior opened, SharedState& shared, Prompter& prompter);

  const Warrior& warrior() const { return warrior_; }
  // The text fields write into the record as they are typed in; typed() is told after each.
  Warrior& warrior() { return warrior_; }
  RuleContext context() { return {warrior_, shared_, prompter_}; }
  // The weapon or equipment catalogue read when the document opened.
  const GearCatalogue& catalogue(GearKind kind) const;

  // A command: typing not yet settled becomes its own step first, then the rule runs, and the
  // command is a step of its own, under its name, when it changed the warrior.
  void run(const Command& command);
  // Typing into a field (Warrior::name, ...): one step, named for the field, once the typing
  // settles (the field is left, another field or a command comes).
  void typed(std::string Warrior::*field);
  void settleTyping();

  // Edit > Undo and Redo: the warrior as it was before the last step, or after the step taken
  // back; no rule runs and nothing is asked. Undo never forgets the file the warrior is saved in.
  bool canUndo() const { return history_.canUndo() || !typing_.empty(); }
  bool canRedo() const { return history_.canRedo() && typing_.empty(); }
  // The step undo takes back (the typing not yet settled first) and the one redo takes again
  // (none while typing); empty when there is none.
  const std::string& undoLabel() const;
  const std::string& redoLabel() const;
  void undo();
  void redo();
  const UndoHistory& history() const { return history_; }

  // Whether the warrior differs from what was last saved or opened.
  bool modified() const { return history_.modified(warrior_); }
  // A warrior brought back from the recovery folder: modified until it is saved.
  void markUnsaved() { history_.markUnsaved(); }
  // Writes the warrior to `path`, typing settled first. A file that cannot be written is told and
  // changes nothing; once saved the warrior belongs to `path` and is no longer modified. A file
  // that changed on disk since it was opened or last saved here is overwritten only when the
  // user says so.
  bool save(const std::string& path);
  // The warrior's file as it was when it was read (unknown for a copy the recovery folder kept).
  void setDiskStamp(const FileStamp& stamp) { disk_ = seen_ = stamp; }
  const std::optional<FileStamp>& diskStamp() const { return disk_; }
  // The warrior's file as it is now on disk, against the state this document last read, wrote
  // or was told of: what its window is to do. Each state of the file is told once (the first
  // look at a file of unknown state only learns it); a file gone marks the warrior unsaved. A
  // change the user chose not to reload is still asked about by the next save.
  DiskChange noticeDisk(const FileStamp& now);
  // The warrior read again from its file as it was at `stamp`, with the window's catalogues:
  // what it reads is what counts as saved, and the steps before are gone.
  void reload(Warrior opened, const FileStamp& stamp);

  // Check Warrior: every breach of the rules, or that there is none.
  std::string checkReport();
  // What Check Warrior compares with: these packages and the document's gear catalogues.
  CheckCatalogues checkCatalogues(std::vector<SkillPackage> packages) const {
    return {std::move(packages), weapons_, equipment_};
  }

 private:
  SharedState& shared_;
  Prompter& prompter_;
  Warrior warrior_;
  std::shared_ptr<const GearCatalogue> weapons_;
  std::shared_ptr<const GearCatalogue> equipment_;
  UndoHistory history_;
  std::optional<FileStamp> disk_;  // the file as last read or written here, when known
  std::optional<FileStamp> seen_;  // the file as last looked at (read, written or told of)
  std::string typing_;             // the step the typing not yet settled makes ("Edit Name")
};

}  // namespace dk
