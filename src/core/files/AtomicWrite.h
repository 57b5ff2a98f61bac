#pragma once
// The save's temporary file: writing without risk to what is already on disk. The bytes go to a
// temporary file beside the target, are flushed to the disk, and only then replace the target
// in one rename. A write that fails anywhere leaves the old file as it was and says why.

#include <sys/types.h>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "core/util/Result.h"

namespace dk {

// How bytes reach an open file: the contract of ::write (bytes written, or -1 with errno set).
// Tests put a failing one in to see a write error half way through.
using WriteFunction = std::function<ssize_t(int fd, const char* data, std::size_t size)>;

// Writes bytes to path through a temporary file in the same folder: write, flush to disk, close,
// rename over the target. On any failure the temporary file is removed and the target is left
// untouched. A target marked read-only (no write permission for anyone) is not replaced.
Outcome writeFileAtomically(const std::string& path, std::string_view bytes);
Outcome writeFileAtomically(const std::string& path, std::string_view bytes,
                            const WriteFunction& write);

// Writes bytes to a new file at path, never over one that is there (that fails, saying so); a
// write that fails half way removes what it wrote. It is not flushed to the disk: what it writes
// is new, so a crash can lose only the new file, never what was there.
Outcome writeNewFile(const std::string& path, std::string_view bytes);

}  // namespace dk
