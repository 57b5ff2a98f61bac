#pragma once
#include <QList>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>

#include "app/AppState.h"
#include "model/Warrior.h"
#include "ui/FileChooser.h"
#include "ui/QtPrompter.h"
#include "ui/print/PrinterChoice.h"

namespace dk::ui {

class WarriorWindow;
class PrintPreview;

// The main frame (frmMain): a multiple-document frame whose children are the warrior windows.
// It owns the application-wide state; the menu bar shows the active warrior window's menus.
class MainFrame : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainFrame(QWidget* parent = nullptr);
  ~MainFrame() override;

  AppState& appState() { return app_; }
  QMdiArea* mdiArea() const { return mdi_; }
  QList<WarriorWindow*> warriorWindows() const;
  WarriorWindow* activeWarriorWindow() const;

  // File > New: a fresh warrior in a new window; nullptr when no slot is left.
  WarriorWindow* newWarrior();

  // Open: asks for a warrior file and opens it in a new window. From a warrior window the stored
  // levels go through the priority rules; from the frame they are only shown. A file that
  // cannot be read is reported and no window is created. nullptr when nothing was opened.
  WarriorWindow* openWarrior(bool fromWarriorWindow, QWidget* dialogParent = nullptr);

  // Files named on the command line (or handed over by the file manager): each is opened as the
  // frame's "&Open..." opens a chosen file, in order, one window each. A file that cannot be
  // opened gets its one message and the others still open. Returns the windows opened.
  QList<WarriorWindow*> openWarriorFiles(const QStringList& paths);

  // Exit: asks first; Yes closes every window and ends the program.
  void exitProgram();

  // Help > About.
  void showAbout();

  // "&Print" of a warrior window: the one preview window shows that warrior's sheet.
  void showPrintPreview(WarriorWindow* window);
  // The preview window while it is open, else nullptr.
  PrintPreview* printPreview() const;

 signals:
  void quitRequested();

 private:
  WarriorWindow* addWarriorWindow(const SlotGrant& grant, Warrior warrior);
  WarriorWindow* openWarriorPath(const std::string& path, bool fromWarriorWindow);
  void buildMenus();
  void showMenusFor(QMdiSubWindow* sub);
  void fillWarriorsMenu(QMenu* menu);

  AppState app_;
  QtPrompter prompter_;
  QMdiArea* mdi_ = nullptr;
  QList<QMenu*> frameMenus_;
  FolderMemory folders_;
  PrinterChoice printers_;
  QPointer<PrintPreview> preview_;
};

}  // namespace dk::ui
