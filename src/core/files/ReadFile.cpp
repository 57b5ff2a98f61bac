#include "core/files/ReadFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace dk {

namespace {
std::string systemText(int error) { return std::strerror(error); }
}  // namespace

Result<std::string> readFilePrefix(const std::string& path, std::size_t maxBytes) {
  using Read = Result<std::string>;
  // Non-blocking, so that a named pipe given as the file cannot hang the program.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    const int error = errno;
    if (error == ENOENT) return Read::failure("the file does not exist");
    if (error == EACCES || error == EPERM) return Read::failure("permission to read it was denied");
    return Read::failure(systemText(error));
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return Read::failure(S_ISDIR(st.st_mode) ? "it is a folder" : "it is not a regular file");
  }
  std::string bytes;
  bytes.resize(std::min<std::size_t>(maxBytes, static_cast<std::size_t>(st.st_size) + 1));
  std::size_t have = 0;
  for (;;) {
    if (have == bytes.size()) {
      if (have >= maxBytes) break;
      bytes.resize(std::min<std::size_t>(maxBytes, have + 64 * 1024));
    }
    const ssize_t n = ::read(fd, bytes.data() + have, bytes.size() - have);
    if (n < 0) {
      if (errno == EINTR) continue;
      const std::string why = "reading it failed (" + systemText(errno) + ")";
      ::close(fd);
      return Read::failure(why);
    }
    if (n == 0) break;
    have += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(have);
  return bytes;
}

bool isReadableRegularFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), R_OK) == 0;
}

FileStamp stampOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return {};
  return {true, static_cast<std::int64_t>(st.st_size),
          static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
          static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

bool sameFile(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  std::error_code error;
  if (std::filesystem::equivalent(a, b, error)) return true;
  namespace fs = std::filesystem;
  return fs::absolute(a, error).lexically_normal() == fs::absolute(b, error).lexically_normal();
}

}  // namespace dk
