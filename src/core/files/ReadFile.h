#pragma once
// Reading a file whole, within a limit: the one way every reader of the program takes its
// bytes from the disk.

#include <cstddef>
#include <optional>
#include <string>

namespace dk {

// At most the first maxBytes bytes of the file (a longer file is not an error here), or nullopt
// with the reason when it cannot be read.
std::optional<std::string> readFilePrefix(const std::string& path, std::size_t maxBytes,
                                          std::string& reason);

// Whether the path names a regular file this program may read (not a folder, a pipe or a
// device).
bool isReadableRegularFile(const std::string& path);

}  // namespace dk
