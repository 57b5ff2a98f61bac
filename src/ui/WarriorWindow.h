#pragma once
#include <QList>
#include <QMenu>
#include <QTabWidget>
#include <QWidget>
#include <memory>
#include <vector>

#include "core/app/AppState.h"
#include "core/app/UndoHistory.h"
#include "ui/pages/WarriorPage.h"

namespace dk::ui {

class FileChooser;

// A warrior window (frmWarrior): owns one warrior record for its whole life and shows it on
// nine tab pages. Handlers call one core rule and then redraw the pages from the record.
class WarriorWindow : public QWidget, public PageHost {
  Q_OBJECT
 public:
  WarriorWindow(AppState& app, Prompter& prompter, FileChooser& files, Warrior warrior,
                QWidget* parent = nullptr);

  Warrior& warrior() override { return warrior_; }
  const Warrior& warrior() const { return warrior_; }
  RuleContext context() { return RuleContext{warrior_, app_, prompter_}; }
  AppState& app() { return app_; }
  Prompter& prompter() override { return prompter_; }

  // The slot number, also carried as the window's "tag" property ("1", "2", ...).
  int slot() const { return slot_; }
  void setSlot(int slot);

  // The menus the frame shows while this window is the active one.
  QList<QMenu*> menus() const { return menus_; }
  QMenu* warriorsMenu() const { return warriorsMenu_; }
  QMenu* recentMenu() const { return recentMenu_; }

  // Redraws every page and the caption from the record.
  void refresh();

  // Runs one rule on the window's rule context, redraws, and keeps the step for undo when the
  // rule changed the warrior.
  void applyRule(const std::string& step,
                 const std::function<void(RuleContext&)>& rule) override;
  void fieldEdited(std::string Warrior::*field) override;

  // Edit > Undo and Redo: the warrior as it was before the last step, or after the step taken
  // back; every page redrawn, no rule run, nothing asked.
  void undo();
  void redo();
  const UndoHistory& history() const { return *history_; }
  // Whether the warrior differs from what was last saved or opened.
  bool modified() const { return history_->modified(warrior_); }
  // A warrior brought back from the recovery folder: modified until it is saved.
  void markUnsaved();

  QTabWidget* tabs() const { return tabs_; }

  // The smallest size at which every page lays out whole: the widest page's least width, and at
  // that width the page tab rows above the tallest page's least height.
  QSize minimumSizeHint() const override;

  // The weapon or equipment catalogue this window was created with.
  const GearCatalogue& catalogue(GearKind kind) const override {
    return kind == GearKind::Weapons ? *weaponCatalogue_ : *equipmentCatalogue_;
  }

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
  void openRequested();
  void exitRequested();
  void aboutRequested();
  void closeRequested();
  void printRequested();
  void printSetupRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  // Typing in a field makes one step once the field is left (or another step comes).
  void settleTyping();
  void showHistory();

  AppState& app_;
  Prompter& prompter_;
  FileChooser& files_;
  Warrior warrior_;
  std::shared_ptr<const GearCatalogue> weaponCatalogue_;
  std::shared_ptr<const GearCatalogue> equipmentCatalogue_;
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
  std::unique_ptr<UndoHistory> history_;
  std::string typedField_;  // the step the typing not yet settled makes ("Edit Name")
};

}  // namespace dk::ui
