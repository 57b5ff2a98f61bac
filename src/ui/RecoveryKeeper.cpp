#include "ui/RecoveryKeeper.h"

#include <algorithm>
#include <ctime>

#include "ui/WarriorWindow.h"

namespace dk::ui {

namespace {
std::int64_t now() { return static_cast<std::int64_t>(std::time(nullptr)); }
}  // namespace

RecoveryKeeper::RecoveryKeeper(std::string folder, Prompter& prompter, QObject* parent)
    : QObject(parent), store_(std::move(folder)), prompter_(prompter) {
  if (Outcome started = store_.startSession(); !started) startFailure_ = started.message();
  timer_.setSingleShot(true);
  timer_.setInterval(kDefaultAutosaveSeconds * 1000);
  connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::autosaveNow);
}

RecoveryKeeper::~RecoveryKeeper() { store_.endSession(); }

void RecoveryKeeper::watch(WarriorWindow* window) {
  connect(window, &WarriorWindow::warriorChanged, this, [this, window] { changed(window); });
  connect(window, &WarriorWindow::closing, this, &RecoveryKeeper::closing);
}

void RecoveryKeeper::changed(WarriorWindow* window) {
  const bool listed = std::find(due_.begin(), due_.end(), window) != due_.end();
  if (!window->modified()) {
    // Saved, or taken back to what was saved: nothing to recover.
    if (listed) due_.erase(std::remove(due_.begin(), due_.end(), window), due_.end());
    store_.forget(window->slot());
    return;
  }
  if (!listed) due_.emplace_back(window);
  // The first change starts the clock; later ones ride along, so none waits longer.
  if (!timer_.isActive()) timer_.start();
}

void RecoveryKeeper::autosaveNow() {
  timer_.stop();
  for (const QPointer<WarriorWindow>& window : due_) {
    if (!window || !window->modified()) continue;
    tell(store_.autosave(window->slot(), window->warrior(), window->windowTitle().toStdString(),
                         now()));
  }
  due_.clear();
}

void RecoveryKeeper::closing(WarriorWindow* window) {
  due_.erase(std::remove(due_.begin(), due_.end(), window), due_.end());
  if (window->modified()) {
    const Outcome kept =
        store_.keepClosed(window->warrior(), window->windowTitle().toStdString(), now());
    tell(kept);
    emit closedChanged();
    if (kept) emit keptClosed(window->warrior().name);
  }
  store_.forget(window->slot());
}

void RecoveryKeeper::reopenNewestClosed(const Open& open) {
  std::vector<std::string> damaged;
  // A kept copy that does not read is passed over for the next one.
  while (const auto taken = store_.takeNewestClosed(damaged))
    if (open(*taken, damaged)) break;
  emit closedChanged();
  tellDamaged(damaged);
}

void RecoveryKeeper::offerUnfinished(const Open& open) {
  const KeptWarriors left = store_.unfinished();
  if (left.warriors.empty()) {
    store_.removeUnfinished();  // sessions that ended without a warrior to keep
    return;
  }
  if (!prompter_.askYesNo(restoreQuestion(left.warriors.size()), MessageIcon::Question)) {
    store_.moveUnfinishedToClosed();  // "Reopen Closed Warrior" still reaches them
    emit closedChanged();
    return;
  }
  std::vector<std::string> damaged = left.damaged;
  for (const Arrival& arrival : arrivalsOf(left, damaged)) open(arrival, damaged);
  tellDamaged(damaged);
  store_.removeUnfinished();
}

void RecoveryKeeper::tellDamaged(const std::vector<std::string>& files) {
  if (!files.empty())
    prompter_.showMessage(recoverySkippedMessage(files), MessageIcon::Information);
}

void RecoveryKeeper::tell(const Outcome& kept) {
  if (kept || told_) return;
  told_ = true;
  const std::string& why = startFailure_.empty() ? kept.message() : startFailure_;
  prompter_.showMessage(recoveryUnavailableMessage(why), MessageIcon::Information);
}

}  // namespace dk::ui
