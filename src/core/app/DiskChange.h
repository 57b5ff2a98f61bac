#pragma once
// A warrior's file changed on disk while its window is open: what the window does about it, and
// what it tells the user.

#include <optional>
#include <string>

#include "core/files/ReadFile.h"

namespace dk {

enum class DiskChange {
  None,       // the file is as the window last knew it (our own save, a burst already seen)
  Reload,     // changed, and the window holds nothing of its own: it reads the file again
  AskReload,  // changed, and the window has unsaved changes: the user says whether to reload
  Deleted,    // gone: the window keeps its warrior, unsaved
};

// `known` is the file as the window last read it, wrote it or was told of it (nothing for a file
// it never saw); `now` is the file as it is.
DiskChange diskChangeOf(const std::optional<FileStamp>& known, const FileStamp& now, bool modified);

// "“Kira Valdane” has changed on disk. Reload it and lose your changes here?"
std::string reloadQuestion(const std::string& name);
// The status line after a reload, after a file went away, and after a change that does not read.
std::string reloadedNote(const std::string& name);
std::string deletedOnDiskNote(const std::string& name, const std::string& path);
std::string reloadUnreadableNote(const std::string& name, const std::string& why);

}  // namespace dk
