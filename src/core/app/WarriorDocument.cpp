#include "core/app/WarriorDocument.h"

#include "core/app/CheckWarrior.h"
#include "core/app/SaveWarrior.h"
#include "core/app/WindowLoad.h"

namespace dk {

namespace {
// The warrior with its window's catalogues: the skills, then the weapons, then the equipment. A
// file that cannot be read is told once; the window opens all the same.
Warrior withCatalogues(Warrior w, SharedState& shared, Prompter& prompter) {
  RuleContext ctx{w, shared, prompter};
  loadWindowCatalogues(ctx);
  return w;
}
}  // namespace

WarriorDocument::WarriorDocument(Warrior opened, SharedState& shared, Prompter& prompter)
    : shared_(shared),
      prompter_(prompter),
      warrior_(withCatalogues(std::move(opened), shared, prompter)),
      weapons_(shared.weaponCatalogue),
      equipment_(shared.equipmentCatalogue),
      history_(warrior_) {}

const GearCatalogue& WarriorDocument::catalogue(GearKind kind) const {
  static const GearCatalogue none;
  const auto& table = kind == GearKind::Weapons ? weapons_ : equipment_;
  return table ? *table : none;
}

void WarriorDocument::run(const Command& command) {
  settleTyping();
  const std::string label = command.label(warrior_);
  RuleContext ctx = context();
  command.rule(ctx);
  history_.record(label, warrior_);
}

void WarriorDocument::typed(std::string Warrior::*field) {
  const std::string step = editStepName(field);
  if (!typing_.empty() && typing_ != step) settleTyping();
  typing_ = step;
}

void WarriorDocument::settleTyping() {
  if (typing_.empty()) return;
  history_.record(typing_, warrior_);
  typing_.clear();
}

const std::string& WarriorDocument::undoLabel() const {
  return typing_.empty() ? history_.undoLabel() : typing_;
}

const std::string& WarriorDocument::redoLabel() const {
  static const std::string none;
  return typing_.empty() ? history_.redoLabel() : none;
}

void WarriorDocument::undo() {
  settleTyping();
  if (!history_.canUndo()) return;
  // The file the warrior belongs to is no part of a step.
  const std::string path = warrior_.filePath;
  warrior_ = history_.undo();
  warrior_.filePath = path;
}

void WarriorDocument::redo() {
  settleTyping();
  if (!history_.canRedo()) return;
  const std::string path = warrior_.filePath;
  warrior_ = history_.redo();
  warrior_.filePath = path;
}

bool WarriorDocument::save(const std::string& path) {
  settleTyping();
  // Another program or user wrote the file this warrior came from: theirs is not lost unasked.
  // (A file gone since holds nothing to lose.)
  const FileStamp onDisk = stampOf(path);
  if (disk_ && onDisk.exists && onDisk != *disk_ && sameFile(path, warrior_.filePath) &&
      !prompter_.askYesNo(changedOnDiskQuestion(path), MessageIcon::Question))
    return false;
  if (!saveWarriorReporting(warrior_, path, prompter_)) return false;
  disk_ = seen_ = stampOf(path);
  history_.markSaved(warrior_);
  return true;
}

DiskChange WarriorDocument::noticeDisk(const FileStamp& now) {
  if (!seen_) {
    seen_ = now;
    return DiskChange::None;
  }
  const DiskChange change = diskChangeOf(seen_, now, modified());
  seen_ = now;
  if (change == DiskChange::Deleted) markUnsaved();
  return change;
}

void WarriorDocument::reload(Warrior opened, const FileStamp& stamp) {
  typing_.clear();
  warrior_ = withCatalogues(std::move(opened), shared_, prompter_);
  history_ = UndoHistory(warrior_);
  disk_ = seen_ = stamp;
}

std::string WarriorDocument::checkReport() {
  settleTyping();
  const CheckCatalogues catalogues =
      checkCatalogues(readCheckCatalogues(shared_.catalogueFolders()).packages);
  return dk::checkReport(checkWarrior(warrior_, catalogues));
}

}  // namespace dk
