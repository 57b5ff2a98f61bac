#include "core/app/Recovery.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/files/AtomicWrite.h"
#include "core/files/ReadFile.h"
#include "core/files/WarriorFile.h"
#include "core/util/Numeric.h"

namespace dk {

namespace fs = std::filesystem;

namespace {

constexpr const char* kWarriorSuffix = ".war";
constexpr const char* kEntrySuffix = ".entry";

std::string closedFolder(const std::string& root) { return root + "/closed"; }
std::string sessionsFolder(const std::string& root) { return root + "/sessions"; }

Outcome makeFolder(const std::string& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error)
    return Outcome::failure("the folder \"" + folder + "\" cannot be made (" + error.message() +
                            ")");
  return done();
}

// The warriors of one folder whose index reads, newest first.
void listFolder(const std::string& folder, KeptWarriors& out) {
  std::error_code error;
  for (const auto& file : fs::directory_iterator(folder, error)) {
    const std::string path = file.path().string();
    if (file.path().extension() != kEntrySuffix) continue;
    const auto bytes = readFilePrefix(path, kMaxRecoveryEntryBytes + 1);
    const auto entry = bytes ? parseRecoveryEntry(*bytes) : std::nullopt;
    const std::string warrior =
        path.substr(0, path.size() - std::strlen(kEntrySuffix)) + kWarriorSuffix;
    if (!entry || !fs::is_regular_file(warrior, error)) {
      out.damaged.push_back(path);
      continue;
    }
    out.warriors.push_back({warrior, path, *entry});
  }
}

void sortNewestFirst(KeptWarriors& kept) {
  std::sort(kept.warriors.begin(), kept.warriors.end(),
            [](const KeptWarrior& a, const KeptWarrior& b) {
              if (a.entry.keptAt != b.entry.keptAt) return a.entry.keptAt > b.entry.keptAt;
              return a.entryFile > b.entryFile;
            });
}

void removeKept(const KeptWarrior& kept) {
  std::error_code error;
  fs::remove(kept.entryFile, error);
  fs::remove(kept.warriorFile, error);
}

// Whether no program holds the lock of a session folder; when none does, the lock is taken and
// its descriptor handed back, so that no other program starting now takes the same session.
int claimIfAbandoned(const std::string& session) {
  const std::string lock = session + "/lock";
  const int fd = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

std::string recoverySkippedMessage(const std::vector<std::string>& files) {
  std::string list;
  for (const std::string& file : files) list += (list.empty() ? "\"" : ", \"") + file + "\"";
  return "These recovery files could not be read and were skipped: " + list + ".";
}

std::string recoveryUnavailableMessage(const std::string& why) {
  return "Unsaved work cannot be kept for recovery in this session: " + why +
         ". Save your warriors to keep them.";
}

std::vector<Arrival> arrivalsOf(const KeptWarriors& kept, std::vector<std::string>& damaged) {
  std::vector<Arrival> out;
  for (const KeptWarrior& k : kept.warriors) {
    auto bytes = readFilePrefix(k.warriorFile, kMaxWarriorFileBytes + 1);
    if (bytes) {
      out.push_back({std::move(*bytes), k.entry.originalPath, k.warriorFile});
    } else {
      damaged.push_back(k.warriorFile);
    }
  }
  return out;
}

std::string restoreQuestion(std::size_t count) {
  if (count == 1) return "1 warrior from the last session was not saved. Restore it?";
  return toText(static_cast<std::int64_t>(count)) +
         " warriors from the last session were not saved. Restore them?";
}

std::string closedWithChangesNote(const std::string& name) {
  return quotedName(name, "A warrior without a name") +
         " was closed with unsaved changes: File > Reopen Closed Warrior (Ctrl+Shift+T) brings it "
         "back.";
}

std::string keptCopyOfOpenFileNote(const std::string& name, const std::string& path) {
  return quotedName(name, "The warrior") + " came back without its file: \"" + path +
         "\" is open in another window, so Save asks where to keep this copy.";
}

std::string keptAtExitNote(std::size_t count) {
  if (count == 1)
    return "1 warrior with unsaved changes was kept when the program last ended: File > Reopen "
           "Closed Warrior (Ctrl+Shift+T) brings it back.";
  return toText(static_cast<std::int64_t>(count)) +
         " warriors with unsaved changes were kept when the program last ended: File > Reopen "
         "Closed Warrior (Ctrl+Shift+T) brings them back, the newest first.";
}

std::string defaultRecoveryFolder() {
  if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/')
    return std::string(state) + "/drakkenfold";
  if (const char* home = std::getenv("HOME"); home && *home)
    return std::string(home) + "/.local/state/drakkenfold";
  return {};
}

RecoveryStore::RecoveryStore(std::string root) : root_(std::move(root)) {}

RecoveryStore::~RecoveryStore() {
  if (lockFd_ >= 0) ::close(lockFd_);
}

Outcome RecoveryStore::keepIn(const std::string& folder, const std::string& id, const Warrior& w,
                              const std::string& caption, std::int64_t now) {
  if (root_.empty())
    return Outcome::failure("no folder for it is known (neither XDG_STATE_HOME nor HOME is set)");
  if (Outcome made = makeFolder(folder); !made) return made;
  const Result<std::string> file = formatWarriorFileChecked(w, w.filePath);
  if (!file) return Outcome::failure(file.message());
  // The warrior first, its index last: an index always finds its warrior.
  if (Outcome warrior = writeFileAtomically(folder + "/" + id + kWarriorSuffix, *file); !warrior)
    return warrior;
  return writeFileAtomically(folder + "/" + id + kEntrySuffix,
                             formatRecoveryEntry({w.filePath, caption, now}));
}

Outcome RecoveryStore::keepClosed(const Warrior& w, const std::string& caption, std::int64_t now) {
  const std::string id = toText(now) + "-" + toText(::getpid()) + "-" + toText(++counter_);
  Outcome failure = keepIn(closedFolder(root_), id, w, caption, now);
  prune();
  return failure;
}

KeptWarriors RecoveryStore::closed() const {
  KeptWarriors kept;
  if (!root_.empty()) listFolder(closedFolder(root_), kept);
  sortNewestFirst(kept);
  return kept;
}

void RecoveryStore::prune() {
  const KeptWarriors kept = closed();
  for (std::size_t i = kClosedWarriorsKept; i < kept.warriors.size(); ++i)
    removeKept(kept.warriors[i]);
}

std::optional<Arrival> RecoveryStore::takeNewestClosed(std::vector<std::string>& damaged) {
  KeptWarriors kept = closed();
  damaged.insert(damaged.end(), kept.damaged.begin(), kept.damaged.end());
  for (const KeptWarrior& k : kept.warriors) {
    // The rename is the claim: of two programs, only one takes the file.
    const std::string claimed = k.entryFile + ".taken";
    if (::rename(k.entryFile.c_str(), claimed.c_str()) != 0) continue;
    auto bytes = readFilePrefix(k.warriorFile, kMaxWarriorFileBytes + 1);
    std::error_code error;
    fs::remove(claimed, error);
    fs::remove(k.warriorFile, error);
    if (!bytes) {
      damaged.push_back(k.warriorFile);
      continue;
    }
    return Arrival{std::move(*bytes), k.entry.originalPath, k.warriorFile, {}};
  }
  return std::nullopt;
}

void RecoveryStore::noteKeptAtExit(std::size_t count) {
  if (root_.empty() || count == 0) return;
  writeFileAtomically(closedFolder(root_) + "/kept-at-exit",
                      toText(static_cast<std::int64_t>(count)) + "\n");
}

std::size_t RecoveryStore::takeKeptAtExit() {
  if (root_.empty()) return 0;
  const std::string marker = closedFolder(root_) + "/kept-at-exit";
  const auto bytes = readFilePrefix(marker, 32);
  if (!bytes) return 0;
  std::error_code error;
  fs::remove(marker, error);
  const std::int64_t noted = std::max<std::int64_t>(0, integerPart(*bytes));
  return std::min(static_cast<std::size_t>(noted), closed().warriors.size());
}

Outcome RecoveryStore::startSession() {
  if (root_.empty())
    return Outcome::failure("no folder for it is known (neither XDG_STATE_HOME nor HOME is set)");
  const std::string session = sessionsFolder(root_) + "/" + toText(::getpid());
  if (Outcome made = makeFolder(session); !made) return made;
  const int fd = claimIfAbandoned(session);
  if (fd < 0) return Outcome::failure("the folder \"" + session + "\" cannot be written to");
  session_ = session;
  lockFd_ = fd;
  return done();
}

Outcome RecoveryStore::autosave(int slot, const Warrior& w, const std::string& caption,
                                std::int64_t now) {
  if (session_.empty()) return Outcome::failure("the recovery folder could not be prepared");
  return keepIn(session_, "slot" + toText(slot), w, caption, now);
}

void RecoveryStore::forget(int slot) {
  if (session_.empty()) return;
  const std::string base = session_ + "/slot" + toText(slot);
  removeKept({base + kWarriorSuffix, base + kEntrySuffix, {}});
}

void RecoveryStore::endSession() {
  if (session_.empty()) return;
  std::error_code error;
  fs::remove_all(session_, error);
  ::close(lockFd_);
  lockFd_ = -1;
  session_.clear();
}

std::vector<std::string> RecoveryStore::deadSessions() const {
  std::vector<std::string> dead;
  std::error_code error;
  if (root_.empty()) return dead;
  for (const auto& folder : fs::directory_iterator(sessionsFolder(root_), error)) {
    const std::string path = folder.path().string();
    if (path == session_ || !folder.is_directory(error)) continue;
    const int fd = claimIfAbandoned(path);
    if (fd < 0) continue;  // a program that runs now holds it
    ::close(fd);
    dead.push_back(path);
  }
  std::sort(dead.begin(), dead.end());
  return dead;
}

KeptWarriors RecoveryStore::unfinished() const {
  KeptWarriors kept;
  for (const std::string& session : deadSessions()) listFolder(session, kept);
  sortNewestFirst(kept);
  return kept;
}

void RecoveryStore::moveUnfinishedToClosed() {
  const std::string closed = closedFolder(root_);
  makeFolder(closed);
  for (const std::string& session : deadSessions()) {
    KeptWarriors kept;
    listFolder(session, kept);
    for (const KeptWarrior& k : kept.warriors) {
      const std::string id =
          toText(k.entry.keptAt) + "-" + toText(::getpid()) + "-" + toText(++counter_);
      // The warrior first, its index last, as when it was kept.
      if (::rename(k.warriorFile.c_str(), (closed + "/" + id + kWarriorSuffix).c_str()) == 0)
        ::rename(k.entryFile.c_str(), (closed + "/" + id + kEntrySuffix).c_str());
    }
    std::error_code error;
    fs::remove_all(session, error);
  }
  prune();
}

void RecoveryStore::removeUnfinished() {
  for (const std::string& session : deadSessions()) {
    std::error_code error;
    fs::remove_all(session, error);
  }
}

}  // namespace dk
