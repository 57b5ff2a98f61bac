#pragma once
#include <QList>
#include <QMenu>
#include <QTabWidget>
#include <QWidget>
#include <memory>
#include <vector>

#include "app/AppState.h"
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

  // Redraws every page and the caption from the record.
  void refresh();

  // Runs one rule on the window's rule context, then redraws.
  void applyRule(const std::function<void(RuleContext&)>& rule) override;
  void fieldEdited(std::string Warrior::*field) override;

  QTabWidget* tabs() const { return tabs_; }

  // The weapon or equipment catalogue this window was created with.
  const GearCatalogue& catalogue(GearKind kind) const override {
    return kind == GearKind::Weapons ? *weaponCatalogue_ : *equipmentCatalogue_;
  }

  // "Save" (saveAs false) and "Save As..." (true): asks for a file name when the warrior has
  // none yet (always for Save As), then writes the file. True when the warrior was saved.
  bool save(bool saveAs);

 signals:
  void newRequested();
  void openRequested();
  void exitRequested();
  void aboutRequested();
  void closeRequested();
  void printRequested();
  void printSetupRequested();

 private:
  void buildMenus();

  AppState& app_;
  Prompter& prompter_;
  FileChooser& files_;
  Warrior warrior_;
  std::shared_ptr<const GearCatalogue> weaponCatalogue_;
  std::shared_ptr<const GearCatalogue> equipmentCatalogue_;
  int slot_ = 0;
  QTabWidget* tabs_ = nullptr;
  std::vector<WarriorPage*> pages_;
  QList<QMenu*> menus_;
  QMenu* warriorsMenu_ = nullptr;
  QAction* saveAs_ = nullptr;
};

}  // namespace dk::ui
