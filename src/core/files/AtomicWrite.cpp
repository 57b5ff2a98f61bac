#include "core/files/AtomicWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace dk {

namespace {

std::string systemText(int error) { return std::strerror(error); }

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string creationFailure(int error, const std::string& folder) {
  const std::string f = "\"" + folder + "\"";
  switch (error) {
    case ENOENT:
      return "the folder " + f + " does not exist";
    case ENOTDIR:
      return "the folder " + f + " does not exist (part of its path is a file)";
    case EACCES:
    case EPERM:
      return "the folder " + f + " cannot be written to (permission denied)";
    case EROFS:
      return "the folder " + f + " is on a disk that cannot be written to";
    case ENOSPC:
    case EDQUOT:
      return "the disk is full";
    default:
      return "no file could be created in the folder " + f + " (" + systemText(error) + ")";
  }
}

std::string writeFailure(int error) {
  if (error == ENOSPC || error == EDQUOT) return "the disk is full";
  return "writing the file failed (" + systemText(error) + ")";
}

mode_t defaultFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A temporary file being written; removed again unless it was renamed into place.
class TemporaryFile {
 public:
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!name_.empty()) ::unlink(name_.c_str());
  }
  bool create(const std::string& folder, const std::string& base) {
    // A leading dot keeps it out of the way; the name is cut short so that a long target name
    // cannot make it too long for the file system.
    std::string pattern = folder + "/." + base.substr(0, 100) + ".XXXXXX";
    fd_ = ::mkstemp(pattern.data());
    if (fd_ < 0) return false;
    name_ = pattern;
    return true;
  }
  int fd() const { return fd_; }
  const std::string& name() const { return name_; }
  int close() {
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc;
  }
  void keep() { name_.clear(); }

 private:
  int fd_ = -1;
  std::string name_;
};

Outcome failed(std::string reason) { return Outcome::failure(std::move(reason)); }

}  // namespace

Outcome writeFileAtomically(const std::string& path, std::string_view bytes) {
  return writeFileAtomically(path, bytes, [](int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
  });
}

Outcome writeFileAtomically(const std::string& path, std::string_view bytes,
                            const WriteFunction& write) {
  if (path.empty()) return failed("no file name was given");

  // Saving through a link replaces the file it points to, not the link.
  std::string target = path;
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    if (char* resolved = ::realpath(path.c_str(), nullptr)) {
      target = resolved;
      std::free(resolved);
    }
  }

  mode_t mode = defaultFileMode();
  if (::stat(target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return failed("that name belongs to a folder");
    // The rename would replace a file the user has marked read-only; respect the mark.
    if (S_ISREG(st.st_mode) && (st.st_mode & 0222) == 0) return failed("the file is read-only");
    mode = st.st_mode & 07777;
  }

  const std::string folder = folderOf(target);
  TemporaryFile temp;
  if (!temp.create(folder, baseNameOf(target))) return failed(creationFailure(errno, folder));
  ::fchmod(temp.fd(), mode);  // mkstemp makes it private; the saved file gets the usual mode

  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = write(temp.fd(), data, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return failed(writeFailure(errno));
    }
    if (n == 0) return failed("writing the file failed (nothing more could be written)");
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  if (::fsync(temp.fd()) != 0) {
    return failed("the file could not be flushed to the disk (" + systemText(errno) + ")");
  }
  if (temp.close() != 0) {
    return failed("the file could not be flushed to the disk (" + systemText(errno) + ")");
  }
  if (::rename(temp.name().c_str(), target.c_str()) != 0) {
    return failed("the file could not be replaced (" + systemText(errno) + ")");
  }
  temp.keep();

  // Make the rename itself last; the new file is complete whether or not this works.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return done();
}

Outcome writeNewFile(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0)
    return failed(errno == EEXIST ? "a file of that name is there already"
                                  : "the file could not be made (" + systemText(errno) + ")");
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const std::string why = n < 0 ? writeFailure(errno) : "writing the file failed";
      ::close(fd);
      ::unlink(path.c_str());
      return failed(why);
    }
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0) {
    const std::string why = writeFailure(errno);
    ::unlink(path.c_str());
    return failed(why);
  }
  return done();
}

}  // namespace dk
