#pragma once
// Reading a file whole, within a limit: the one way every reader of the program takes its
// bytes from the disk.

#include <cstddef>
#include <cstdint>
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

// What tells one state of a file on disk from another: whether it exists, its size, when it was
// last written and which file it is (a save through a rename makes a new one).
struct FileStamp {
  bool exists = false;
  std::int64_t size = 0;
  std::int64_t writtenNs = 0;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  bool operator==(const FileStamp&) const = default;
};
FileStamp stampOf(const std::string& path);

// Whether two paths name one file (through links and "..", or as the same text when either
// does not exist).
bool sameFile(const std::string& a, const std::string& b);

}  // namespace dk
