#pragma once
// The recovery folder: no warrior is lost to a Close, an exit or a crash.
//
//   <root>/closed/<id>.war, <id>.entry      warriors closed (or left open at exit) with unsaved
//                                           changes, newest first for "Reopen Closed Warrior";
//                                           the last 20 are kept
//   <root>/sessions/<pid>/lock              a running program holds a lock on this file
//   <root>/sessions/<pid>/<slot>.war, .entry  that program's windows with unsaved changes
//
// Every file is written through a temporary file and a rename, so a reader finds either the
// whole warrior or none. A session whose lock no program holds did not end cleanly; its
// warriors are offered once at the next start. A program never touches the session of another
// that is running. Nothing here is ever opened as a warrior without the player asking.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/app/Arrival.h"
#include "core/files/RecoveryEntry.h"
#include "core/model/Warrior.h"
#include "core/util/Result.h"

namespace dk {

inline constexpr std::size_t kClosedWarriorsKept = 20;

// $XDG_STATE_HOME/drakkenfold, or ~/.local/state/drakkenfold; empty when neither is known.
std::string defaultRecoveryFolder();

// A warrior found in the recovery folder: the file that holds it and its index.
struct KeptWarrior {
  std::string warriorFile;
  std::string entryFile;
  RecoveryEntry entry;
};

// What a look into the folder found: the warriors, and the files that could not be read.
struct KeptWarriors {
  std::vector<KeptWarrior> warriors;  // newest first
  std::vector<std::string> damaged;   // file names, for one message
};

// "These recovery files could not be read and were skipped: "a", "b"."
std::string recoverySkippedMessage(const std::vector<std::string>& files);
// "Unsaved work cannot be kept for recovery in this session: <why>. Save your warriors to keep
// them."
std::string recoveryUnavailableMessage(const std::string& why);
// The question after a session that did not end cleanly left `count` warriors.
std::string restoreQuestion(std::size_t count);
// The status line after a window with unsaved changes closed, naming the warrior.
std::string closedWithChangesNote(const std::string& name);
// The status line after a kept copy of a file that a window shows came back without its file.
std::string keptCopyOfOpenFileNote(const std::string& name, const std::string& path);
// The status line after a start that found `count` warriors kept when the program last ended.
std::string keptAtExitNote(std::size_t count);

// The kept warriors as they arrive in windows; a copy that cannot be read goes into `damaged`.
std::vector<Arrival> arrivalsOf(const KeptWarriors& kept, std::vector<std::string>& damaged);

class RecoveryStore {
 public:
  explicit RecoveryStore(std::string root);
  ~RecoveryStore();
  RecoveryStore(const RecoveryStore&) = delete;
  RecoveryStore& operator=(const RecoveryStore&) = delete;

  const std::string& root() const { return root_; }

  // --- Closed warriors
  // Keeps a warrior that is closing with unsaved changes; the oldest beyond 20 go.
  Outcome keepClosed(const Warrior& w, const std::string& caption, std::int64_t now);
  KeptWarriors closed() const;
  // Takes the newest closed warrior out of the folder (another program cannot take the same
  // one), with the file it belongs to. nullopt when there is none; a copy that cannot be read
  // goes into `damaged` and the next one is taken.
  std::optional<Arrival> takeNewestClosed(std::vector<std::string>& damaged);
  // How many warriors the program kept among the closed ones as it ended, told once at the next
  // start: noted at the end, taken (and forgotten) at the start; never more than are still kept.
  void noteKeptAtExit(std::size_t count);
  std::size_t takeKeptAtExit();

  // --- This program's session
  // Marks this program as running (its lock); a failure says why when the folder cannot be made
  // or written.
  Outcome startSession();
  // The warrior of a window, written again (a timer calls it, never a keystroke).
  Outcome autosave(int slot, const Warrior& w, const std::string& caption, std::int64_t now);
  // The window was saved or closed: its autosave goes.
  void forget(int slot);
  // A clean end: the session's folder goes.
  void endSession();

  // --- Sessions that did not end cleanly
  // The warriors of every session whose lock no program holds (this one's excepted).
  KeptWarriors unfinished() const;
  // Moves them to the closed warriors, or throws them away, and removes those sessions.
  void moveUnfinishedToClosed();
  void removeUnfinished();

 private:
  std::vector<std::string> deadSessions() const;
  Outcome keepIn(const std::string& folder, const std::string& id, const Warrior& w,
                 const std::string& caption, std::int64_t now);
  void prune();

  std::string root_;
  std::string session_;  // this program's session folder, once started
  int lockFd_ = -1;
  int counter_ = 0;
};

}  // namespace dk
