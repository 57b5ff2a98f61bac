#include "core/app/DiskChange.h"

#include "core/model/Warrior.h"

namespace dk {

DiskChange diskChangeOf(const std::optional<FileStamp>& known, const FileStamp& now,
                        bool modified) {
  if (!known || now == *known) return DiskChange::None;
  if (!now.exists) return DiskChange::Deleted;
  return modified ? DiskChange::AskReload : DiskChange::Reload;
}

std::string reloadQuestion(const std::string& name) {
  return quotedName(name, "This warrior") +
         " has changed on disk. Reload it and lose your changes here?";
}

std::string reloadedNote(const std::string& name) {
  return quotedName(name, "The warrior") + " changed on disk and was read again.";
}

std::string deletedOnDiskNote(const std::string& name, const std::string& path) {
  return "The file of " + quotedName(name, "a warrior") + " (\"" + path +
         "\") is gone from disk: the window keeps the warrior, unsaved.";
}

std::string reloadUnreadableNote(const std::string& name, const std::string& why) {
  return quotedName(name, "The warrior") +
         " changed on disk but its file no longer reads; the window keeps what it showed. " + why;
}

}  // namespace dk
