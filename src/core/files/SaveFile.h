#pragma once
// Saving without risk to what is already on disk: the bytes go to a temporary file beside the
// target, are flushed to the disk, and only then replace the target in one rename. A save that
// fails anywhere leaves the old file and the warrior exactly as they were and says why.

#include <sys/types.h>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/Prompter.h"
#include "model/Warrior.h"

namespace dk {

struct SaveResult {
  bool ok = false;
  std::string reason;  // when not ok: why, in words for the user
};

// How bytes reach an open file: the contract of ::write (bytes written, or -1 with errno set).
// Tests put a failing one in to see a write error half way through.
using WriteFunction = std::function<ssize_t(int fd, const char* data, std::size_t size)>;

// Writes bytes to path through a temporary file in the same folder: write, flush to disk, close,
// rename over the target. On any failure the temporary file is removed and the target is left
// untouched. A target marked read-only (no write permission for anyone) is not replaced.
SaveResult writeFileAtomically(const std::string& path, std::string_view bytes);
SaveResult writeFileAtomically(const std::string& path, std::string_view bytes,
                               const WriteFunction& write);

// Formats the warrior with path on its file-path line and writes it atomically. A warrior whose
// file would not open again as this warrior (see formatWarriorFileChecked) is refused before
// anything is written. The warrior is not changed: the caller sets filePath once the save has
// succeeded.
SaveResult saveWarrior(const Warrior& warrior, const std::string& path);

// Save as the warrior window does it: on success filePath becomes path and true is returned; on
// failure the user is told which file could not be saved and why, and nothing changes.
bool saveWarriorReporting(Warrior& warrior, const std::string& path, Prompter& prompter);

// At most the first maxBytes bytes of the file (a longer file is not an error here), or nullopt
// with the reason when it cannot be read.
std::optional<std::string> readFilePrefix(const std::string& path, std::size_t maxBytes,
                                          std::string& reason);

}  // namespace dk
