#pragma once
// Keeps the unsaved work of the frame's warrior windows in the recovery folder: each window with
// changes is written there at most one interval after a change (a timer, never a keystroke),
// forgotten when it is saved, and kept among the closed warriors when it closes. Close and Exit
// never fail for it: a folder that cannot be written costs one message per session.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/app/Recovery.h"
#include "core/context/Prompter.h"

namespace dk::ui {

class WarriorWindow;

inline constexpr int kDefaultAutosaveSeconds = 30;

class RecoveryKeeper : public QObject {
  Q_OBJECT
 public:
  RecoveryKeeper(std::string folder, Prompter& prompter, QObject* parent = nullptr);
  // The frame's clean end: the session's own autosaves go.
  ~RecoveryKeeper() override;

  void setInterval(int milliseconds) { timer_.setInterval(milliseconds); }

  // A window to look after from now until it closes.
  void watch(WarriorWindow* window);

  bool hasClosed() const { return !store_.closed().warriors.empty(); }

  // Opens a kept warrior in a window (false when it did not open); a copy that does not read
  // goes into the list, for one message after all.
  using Open = std::function<bool(const Arrival&, std::vector<std::string>& skipped)>;
  // "Reopen Closed Warrior": the newest closed warrior that opens, taken out of the folder.
  void reopenNewestClosed(const Open& open);
  // Once after the start: when a session that did not end cleanly left warriors, asks whether
  // to restore them; Yes opens each, No keeps them among the closed ones.
  void offerUnfinished(const Open& open);
  // Writes every window that has changes now (the timer does it on its own).
  void autosaveNow();
  // How many windows the program kept among the closed ones as it ended, for the next start.
  void noteKeptAtExit(std::size_t count) { store_.noteKeptAtExit(count); }
  std::size_t takeKeptAtExit() { return store_.takeKeptAtExit(); }

 signals:
  // The closed warriors may have changed (a window closed with changes, one reopened).
  void closedChanged();
  // A window with unsaved changes closed and was kept (its warrior's name).
  void keptClosed(const std::string& name);

 private:
  void changed(WarriorWindow* window);
  void closing(WarriorWindow* window);
  // "These recovery files could not be read and were skipped: ..."
  void tellDamaged(const std::vector<std::string>& files);
  void tell(const Outcome& kept);

  RecoveryStore store_;
  Prompter& prompter_;
  QTimer timer_;
  std::vector<QPointer<WarriorWindow>> due_;  // windows with changes not yet written
  std::string startFailure_;                  // why the session could not start, if it could not
  bool told_ = false;
};

}  // namespace dk::ui
