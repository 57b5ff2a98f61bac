#pragma once
// Keeps the unsaved work of the frame's warrior windows in the recovery folder: each window with
// changes is written there at most one interval after a change (a timer, never a keystroke),
// forgotten when it is saved, and kept among the closed warriors when it closes. Close and Exit
// never fail for it: a folder that cannot be written costs one message per session.

#include <QObject>
#include <QPointer>
#include <QTimer>
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
  int interval() const { return timer_.interval(); }

  // A window to look after from now until it closes.
  void watch(WarriorWindow* window);

  bool hasClosed() const { return !store_.closed().warriors.empty(); }
  // The newest closed warrior, taken out of the folder; a file that cannot be read is passed
  // over and named in `damaged`.
  std::optional<Arrival> takeNewestClosed(std::vector<std::string>& damaged);

  // The warriors a session that did not end cleanly left, once, after the start.
  KeptWarriors unfinished() const { return store_.unfinished(); }
  void moveUnfinishedToClosed();
  void removeUnfinished() { store_.removeUnfinished(); }

  // "These recovery files could not be read and were skipped: ..."
  void tellDamaged(const std::vector<std::string>& files);
  // Writes every window that has changes now (the timer does it on its own).
  void autosaveNow();

 signals:
  // The closed warriors may have changed (a window closed with changes, one reopened).
  void closedChanged();

 private:
  void changed(WarriorWindow* window);
  void closing(WarriorWindow* window);
  void tell(const Outcome& kept);

  RecoveryStore store_;
  Prompter& prompter_;
  QTimer timer_;
  std::vector<QPointer<WarriorWindow>> due_;  // windows with changes not yet written
  std::string startFailure_;  // why the session could not start, if it could not
  bool told_ = false;
};

}  // namespace dk::ui
