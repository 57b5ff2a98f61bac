// How warriors come into the frame's windows: Open (one or several files), Recent Files, the
// command line, a drop, a second start's hand-over, a duplicate, and the warriors the recovery
// folder kept; one window per file; and the table's own catalogues told once at the start.
#include <QDesktopServices>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QUrl>

#include "core/app/DiskChange.h"
#include "core/app/Explain.h"
#include "core/app/NewWarrior.h"
#include "core/app/OpenWarrior.h"
#include "core/app/OwnCatalogues.h"
#include "core/files/ReadFile.h"
#include "ui/MainFrame.h"
#include "ui/RecentFilesMenu.h"
#include "ui/RecoveryKeeper.h"
#include "ui/WarriorWindow.h"

namespace dk::ui {

WarriorWindow* MainFrame::openWarrior(QWidget* dialogParent) {
  const QList<WarriorWindow*> opened =
      openWarriorFiles(files_.warriorFilesToOpen(dialogParent ? dialogParent : this));
  return opened.isEmpty() ? nullptr : opened.last();
}

QList<WarriorWindow*> MainFrame::openWarriorFiles(const QStringList& paths) {
  QList<WarriorWindow*> opened;
  for (const QString& path : paths) {
    if (path.isEmpty()) continue;
    // The file choosers then start in the folder of the file given, as after choosing it.
    files_.remember(path);
    if (WarriorWindow* window = openWarriorPath(path.toStdString())) opened << window;
  }
  return opened;
}

WarriorWindow* MainFrame::openWarriorPath(const std::string& path) {
  const Result<Arrival> arrival = arrivalFromFile(path);
  if (!arrival) {
    prompter_.showMessage(arrival.message(), MessageIcon::Information);
    return nullptr;
  }
  std::vector<std::string> none;
  return open(*arrival, none);
}

WarriorWindow* MainFrame::open(const Arrival& arrival, std::vector<std::string>& skipped) {
  // One window per file: two would each save over the other's work.
  WarriorWindow* showing = nullptr;
  for (WarriorWindow* w : warriorWindows())
    if (sameFile(w->warrior().filePath, arrival.path)) showing = w;
  if (showing && !arrival.kept()) {
    recent_->add(QString::fromStdString(arrival.path));
    bringToFront(showing);
    // The window shows an older state of the file: it is offered the file as it is now, also
    // when a change was refused before.
    if (showing->document().diskStamp() != arrival.stamp) {
      showing->document().noticeDisk(arrival.stamp);
      offerReload(showing, arrival);
    }
    return showing;
  }
  // A kept copy of a file that is open comes back without its file: Save asks where.
  Arrival copy = arrival;
  if (showing) copy.path.clear();
  auto shown = openArrival(copy, app_, prompter_, skipped);
  if (!shown) return nullptr;
  if (!arrival.kept()) recent_->add(QString::fromStdString(arrival.path));
  WarriorWindow* window = addWarriorWindow(shown->grant, std::move(shown->warrior));
  if (shown->unsaved) window->markUnsaved();
  if (!arrival.kept()) window->document().setDiskStamp(arrival.stamp);
  if (showing) note(keptCopyOfOpenFileNote(window->warrior().name, arrival.path));
  // Made at another table: said once, in the status line.
  const std::string unknown = unknownRowsNote(window->warrior(), app_.skillCatalogue,
                                              window->document().catalogue(GearKind::Weapons),
                                              window->document().catalogue(GearKind::Equipment));
  if (!unknown.empty() && !showing) note(unknown);
  return window;
}

void MainFrame::diskChanged(WarriorWindow* window, const FileStamp& now) {
  switch (window->document().noticeDisk(now)) {
    case DiskChange::None:
      return;
    case DiskChange::Deleted:
      window->markUnsaved();
      return note(deletedOnDiskNote(window->warrior().name, window->warrior().filePath));
    case DiskChange::Reload:
    case DiskChange::AskReload:
      const Result<Arrival> arrival = arrivalFromFile(window->warrior().filePath);
      if (!arrival) return note(reloadUnreadableNote(window->warrior().name, arrival.message()));
      return offerReload(window, *arrival);
  }
}

void MainFrame::offerReload(WarriorWindow* window, const Arrival& arrival) {
  const std::string name = window->warrior().name;
  const QPointer<WarriorWindow> asked = window;
  if (window->modified() && !prompter_.askYesNo(reloadQuestion(name), MessageIcon::Question))
    return;  // the window keeps its warrior; its next save asks before it overwrites the file
  if (!asked) return;  // closed while the question was open
  Result<Warrior> read = reloadArrival(arrival, app_, prompter_);
  if (!read) return note(reloadUnreadableNote(name, read.message()));
  window->reload(std::move(*read), arrival.stamp);
  note(reloadedNote(window->warrior().name));
}

void MainFrame::bringToFront(WarriorWindow* window) {
  for (QMdiSubWindow* sub : mdi_->subWindowList())
    if (sub->widget() == window) {
      if (sub->isMinimized()) sub->showNormal();
      mdi_->setActiveSubWindow(sub);
    }
}

WarriorWindow* MainFrame::duplicate(WarriorWindow* original) {
  original->document().settleTyping();
  const auto grant = takeWarriorSlot(app_, prompter_);
  if (!grant) return nullptr;
  Warrior copy = original->warrior();
  copy.filePath.clear();  // a template: Save asks where the copy goes
  WarriorWindow* window = addWarriorWindow(*grant, std::move(copy));
  window->markUnsaved();
  return window;
}

void MainFrame::note(const std::string& text, int milliseconds) {
  statusBar()->showMessage(QString::fromStdString(text), milliseconds);
}

WarriorWindow* MainFrame::reopenClosedWarrior() {
  WarriorWindow* window = nullptr;
  recovery_->reopenNewestClosed([&](const Arrival& arrival, std::vector<std::string>& skipped) {
    return (window = open(arrival, skipped)) != nullptr;
  });
  return window;
}

void MainFrame::reportOwnCatalogues() {
  const std::string message = ownCataloguesMessage(ownCatalogueProblems(app_.catalogueFolders()));
  if (!message.empty()) prompter_.showMessage(message, MessageIcon::Information);
}

void MainFrame::openCatalogueFolder() {
  const std::string folder = userCatalogueFolder();
  const Outcome made = prepareCatalogueFolder(folder);
  if (!made)
    return prompter_.showMessage(catalogueFolderFailedMessage(made.message()),
                                 MessageIcon::Information);
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder))))
    prompter_.showMessage(
        catalogueFolderFailedMessage("no file manager opened it: it is \"" + folder + "\""),
        MessageIcon::Information);
}

void MainFrame::offerRecovery() {
  if (const std::size_t kept = recovery_->takeKeptAtExit()) note(keptAtExitNote(kept));
  recovery_->offerUnfinished([this](const Arrival& arrival, std::vector<std::string>& skipped) {
    return open(arrival, skipped) != nullptr;
  });
}

}  // namespace dk::ui
