#pragma once
#include <QList>
#include <QMenu>
#include <QTabWidget>
#include <QWidget>
#include <memory>
#include <vector>

#include "core/app/AppState.h"
#include "core/app/WarriorDocument.h"
#include "ui/pages/WarriorPage.h"

namespace dk::ui {

class FileChooser;

// A warrior window (frmWarrior): shows the warrior of one document on nine tab pages for the
// window's whole life. A control runs one command of the document, then the pages are redrawn.
class WarriorWindow : public QWidget, public PageHost {
  Q_OBJECT
 public:
  WarriorWindow(AppState& app, Prompter& prompter, FileChooser& files, Warrior warrior,
                QWidget* parent = nullptr);

  WarriorDocument& document() override { return document_; }
  const WarriorDocument& document() const { return document_; }
  Warrior& warrior() { return document_.warrior(); }
  const Warrior& warrior() const { return document_.warrior(); }

  // The slot number, also carried as the window's "tag" property ("1", "2", ...).
  int slot() const { return slot_; }
  void setSlot(int slot);

  // The menus the frame shows while this window is the active one.
  QList<QMenu*> menus() const { return menus_; }
  QMenu* warriorsMenu() const { return warriorsMenu_; }
  QMenu* recentMenu() const { return recentMenu_; }

  // Redraws every page and the caption from the record.
  void refresh();

  // Runs the command on the document and redraws every page.
  void run(const Command& command) override;
  void fieldEdited(std::string Warrior::*field) override;

  // Edit > Undo and Redo, every page redrawn.
  void undo();
  void redo();
  bool modified() const { return document_.modified(); }
  // A warrior brought back from the recovery folder: modified until it is saved.
  void markUnsaved();
  // The warrior read again from its file (as it was at `stamp`), every page redrawn.
  void reload(Warrior opened, const FileStamp& stamp);

  QTabWidget* tabs() const { return tabs_; }

  // The smallest size at which every page lays out whole: the widest page's least width, and at
  // that width the page tab rows above the tallest page's least height.
  QSize minimumSizeHint() const override;

  // "Save" (saveAs false) and "Save As..." (true): asks for a file name when the warrior has
  // none yet (always for Save As), then writes the file. True when the warrior was saved.
  bool save(bool saveAs);

 signals:
  // After every change of the warrior, an undo, a redo and a save.
  void warriorChanged();
  // The window is closing (its own Close, the close box, or the frame's end): the last chance
  // to keep what it holds.
  void closing(WarriorWindow* window);
  void reopenClosedRequested();
  // Saved to a file (its absolute path).
  void saved(const QString& path);
  void newRequested();
  void newRandomRequested();
  void openRequested();
  void exitRequested();
  void aboutRequested();
  void catalogueFolderRequested();
  void closeRequested();
  void duplicateRequested();
  void printRequested();
  void exportAllRequested();
  void exportTemplateRequested();
  void exportAllTemplateRequested();
  void printAllRequested();
  void printSetupRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The focus left a field of this window.
  void fieldLeft();
  void buildMenus();
  void showHistory();

  Prompter& prompter_;
  FileChooser& files_;
  WarriorDocument document_;
  int slot_ = 0;
  QTabWidget* tabs_ = nullptr;
  QWidget* tabRows_ = nullptr;
  std::vector<WarriorPage*> pages_;
  QList<QMenu*> menus_;
  QMenu* warriorsMenu_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QAction* saveAs_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
};

}  // namespace dk::ui
