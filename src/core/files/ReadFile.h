#pragma once
// Reading a file whole, within a limit: the one way every reader of the program takes its
// bytes from the disk.

#include <cstddef>
#include <optional>
#include <string>

#include "core/util/Result.h"

namespace dk {

// At most the first maxBytes bytes of the file (a longer file is not an error here), or why it
// cannot be read.
Result<std::string> readFilePrefix(const std::string& path, std::size_t maxBytes);

// Whether the path names a regular file this program may read (not a folder, a pipe or a
// device).
bool isReadableRegularFile(const std::string& path);

}  // namespace dk
