#pragma once
#include <QLabel>
#include <QList>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QSettings>
#include <QShortcut>
#include <memory>
#include <string>

#include "core/app/AppState.h"
#include "core/app/Recovery.h"
#include "core/files/CatalogueFiles.h"
#include "core/model/Warrior.h"
#include "ui/FileChooser.h"
#include "ui/QtPrompter.h"
#include "ui/print/PrinterChoice.h"

namespace dk::ui {

class WarriorWindow;
class PrintPreview;
class RecoveryKeeper;
class RecentFilesMenu;
class WarriorTable;
class WarriorFileWatch;

// Where a frame finds what lies outside it: the data files, the recovery folder, the file its
// settings are kept in (empty: the user's own) and the table's own catalogues.
struct FramePlaces {
  std::string dataFolder;
  std::string recoveryFolder = defaultRecoveryFolder();
  QString settingsFile;
  // The table's own catalogue folders, laid over the shipped files.
  std::vector<std::string> catalogueFolders = ownCatalogueFolders();
};

// The main frame (frmMain): a multiple-document frame whose children are the warrior windows.
// It owns the application-wide state; the menu bar shows the active warrior window's menus.
class MainFrame : public QMainWindow {
  Q_OBJECT
 public:
  // The frame as the program starts it: the real message boxes and file choosers, the data
  // files read from the working folder.
  explicit MainFrame(QWidget* parent = nullptr);
  // A frame that talks to the user through the given prompter and file chooser, with its data
  // files, recovery folder and settings where `places` says.
  MainFrame(Prompter& prompter, FileChooser& files, FramePlaces places, QWidget* parent = nullptr);
  ~MainFrame() override;

  AppState& appState() { return app_; }
  QMdiArea* mdiArea() const { return mdi_; }
  QList<WarriorWindow*> warriorWindows() const;
  WarriorWindow* activeWarriorWindow() const;

  // File > New: a fresh warrior in a new window; nullptr when no slot is left.
  WarriorWindow* newWarrior();
  // File > New Random Warrior: the dialog, then the forge's warrior in a new window, unsaved, as
  // one step that Undo takes back; nullptr when the dialog was cancelled or no slot is left.
  WarriorWindow* newRandomWarrior(QWidget* dialogParent = nullptr);

  // Open, from the frame or a warrior window alike: asks for a warrior file and opens it in a new
  // window. A file that cannot be read is reported and no window is created. nullptr when
  // nothing was opened.
  WarriorWindow* openWarrior(QWidget* dialogParent = nullptr);

  // Files named on the command line (or handed over by the file manager): each is opened as the
  // frame's "&Open..." opens a chosen file, in order, one window each. A file that cannot be
  // opened gets its one message and the others still open. Returns the windows opened.
  QList<WarriorWindow*> openWarriorFiles(const QStringList& paths);

  // "Duplicate Warrior": a copy of the window's warrior in a new window and slot, with no file.
  WarriorWindow* duplicate(WarriorWindow* original);

  // Exit: asks first; Yes closes every window and ends the program.
  void exitProgram();

  // "Reopen Closed Warrior": the warrior closed last with unsaved changes, in a new window with
  // the file it belongs to; nullptr when there is none.
  WarriorWindow* reopenClosedWarrior();
  // Once after the splash: when the last session did not end cleanly and left warriors, asks
  // whether to restore them; Yes opens each, No keeps them among the closed ones.
  void offerRecovery();
  RecoveryKeeper& recovery() { return *recovery_; }
  // Export All, Print All and the roster.
  WarriorTable& table() { return *table_; }

  // Once after the start: names each catalogue file of the table's own that was left out, and
  // why, in one message.
  void reportOwnCatalogues();
  // "Open Catalogue Folder": the user's own folder, made with its README when missing, in the
  // desktop's file manager.
  void openCatalogueFolder();

  // Help > About.
  void showAbout();

  // "&Print" of a warrior window: the one preview window shows that warrior's sheet.
  void showPrintPreview(WarriorWindow* window);
  // The preview window while it is open, else nullptr.
  PrintPreview* printPreview() const;

 signals:
  void quitRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  MainFrame(std::unique_ptr<Prompter> ownPrompter, std::unique_ptr<FileChooser> ownFiles,
            QWidget* parent);
  WarriorWindow* addWarriorWindow(const SlotGrant& grant, Warrior warrior);
  WarriorWindow* openWarriorPath(const std::string& path);
  void buildMenus();
  void showMenusFor(QMdiSubWindow* sub);
  // The one way a warrior comes into a window (see openArrival); a kept copy that does not read
  // goes into `skipped`.
  WarriorWindow* open(const Arrival& arrival, std::vector<std::string>& skipped);
  void showReopenState();
  void bringToFront(WarriorWindow* window);
  // The window's file as it now is on disk: read again, asked about, or gone.
  void diskChanged(WarriorWindow* window, const FileStamp& now);
  // The window reads its warrior again from these bytes of its file; with unsaved changes in
  // the window only when the user says so.
  void offerReload(WarriorWindow* window, const Arrival& arrival);
  // A line in the status bar for a while.
  static constexpr int kNoteMilliseconds = 15000;
  static constexpr int kShortNoteMilliseconds = 5000;
  void note(const std::string& text, int milliseconds = kNoteMilliseconds);
  void showModified();
  void showTableState();
  // "Roster" in a window's Warriors menu.
  QAction* rosterAction(WarriorWindow* window);

  // The prompter and file chooser of a frame built without them.
  std::unique_ptr<Prompter> ownPrompter_;
  std::unique_ptr<FileChooser> ownFiles_;
  Prompter& prompter_;
  FileChooser& files_;
  AppState app_;
  std::unique_ptr<QSettings> settings_;
  std::unique_ptr<RecentFilesMenu> recent_;
  QMdiArea* mdi_ = nullptr;
  QList<QMenu*> frameMenus_;
  std::unique_ptr<PrinterChoice> printers_;
  QPointer<PrintPreview> preview_;
  RecoveryKeeper* recovery_ = nullptr;
  QLabel* modified_ = nullptr;
  QShortcut* fileKey_ = nullptr;
  WarriorTable* table_ = nullptr;
  WarriorFileWatch* fileWatch_ = nullptr;
  QList<QAction*> tableActions_;  // the frame's Export All and Print All
  bool quitting_ = false;
  std::size_t keptAtExit_ = 0;  // windows kept among the closed ones as the program ends
  QList<QPointer<QAction>> reopenActions_;
};

}  // namespace dk::ui
