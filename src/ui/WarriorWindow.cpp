#include "ui/WarriorWindow.h"

#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/app/CheckWarrior.h"
#include "core/app/SaveWarrior.h"
#include "core/app/WindowLoad.h"
#include "core/gear/Money.h"
#include "core/budget/Priorities.h"
#include "core/skills/SkillAreas.h"
#include "core/skills/SpecialityPicking.h"
#include "ui/FileChooser.h"
#include "ui/Menus.h"
#include "ui/PageTabRows.h"
#include "ui/pages/BudgetPages.h"
#include "ui/pages/InfoPages.h"
#include "ui/pages/AdvantagesPage.h"
#include "ui/pages/GearPage.h"
#include "ui/pages/SkillsPage.h"

namespace dk::ui {

WarriorWindow::WarriorWindow(AppState& app, Prompter& prompter, FileChooser& files,
                             Warrior warrior, QWidget* parent)
    : QWidget(parent),
      app_(app),
      prompter_(prompter),
      files_(files),
      warrior_(std::move(warrior)) {
  setObjectName("frmWarrior");
  setAttribute(Qt::WA_DeleteOnClose);
  // The catalogues are read afresh for every window, in a fixed order: the skills, then the
  // weapons, then the equipment. A file that cannot be read is told once; the window opens.
  RuleContext ctx = context();
  loadWindowCatalogues(ctx);
  weaponCatalogue_ = app_.weaponCatalogue;
  equipmentCatalogue_ = app_.equipmentCatalogue;

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("tabWarrior");
  tabs_->setDocumentMode(false);

  const auto add = [this](WarriorPage* page, const QString& caption) {
    pages_.push_back(page);
    tabs_->addTab(page, caption);
  };
  add(new WarriorInfoPage(*this), "Warrior Info");
  add(new PrioritiesPage(*this), "Priorities");
  add(new StatsPage(*this), "Stats");
  add(new SkillsPage(*this), "Skills");
  add(new AdvantagesPage(*this), "Advantages");
  add(new GearPage(*this, GearKind::Weapons), "Weapons");
  add(new GearPage(*this, GearKind::Equipment), "Equipment");
  add(new NotesPage(*this), "Notes");
  add(new PersonalPage(*this), "Personal Information");

  // Every page one click away: the captions stand in rows above the pages instead of one row
  // that would hide some of them behind scroll arrows.
  auto* tabRows = new PageTabRows(tabs_, this);
  tabRows->setObjectName("tabWarriorRows");
  tabRows_ = tabRows;

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(0);
  layout->addWidget(tabRows);
  layout->addWidget(tabs_, 1);

  // Locked boxes (the money) look like what they are: shown, not typed into. A palette rather
  // than a style sheet, which would restyle every control of the window on creation.
  for (QLineEdit* edit : findChildren<QLineEdit*>()) {
    if (!edit->isReadOnly()) continue;
    QPalette palette = edit->palette();
    palette.setBrush(QPalette::Base, palette.window());
    edit->setPalette(palette);
  }

  // Every step from here on can be taken back; the warrior as it opened is the one saved.
  history_ = std::make_unique<UndoHistory>(warrior_);
  // A field is left when the focus goes elsewhere: its typing becomes one step then.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
    if (old && isAncestorOf(old)) settleTyping();
  });
  buildMenus();
  refresh();
}

QSize WarriorWindow::minimumSizeHint() const {
  // The tab widget's own hint counts its hidden one-row tab bar; the pages and the panel's
  // frame around them are what stand below the tab rows.
  QSize pages;
  for (int i = 0; i < tabs_->count(); ++i) pages = pages.expandedTo(tabs_->widget(i)->minimumSizeHint());
  const int frame = tabs_->minimumSizeHint().width() - pages.width();  // as much on every side
  const int width = std::max(pages.width() + frame, tabRows_->minimumSizeHint().width());
  const QMargins margins = layout()->contentsMargins();
  return {width + margins.left() + margins.right(),
          tabRows_->heightForWidth(width) + pages.height() + frame + margins.top() + margins.bottom()};
}

void WarriorWindow::setSlot(int slot) {
  slot_ = slot;
  setProperty("tag", QString::number(slot));
}

void WarriorWindow::applyRule(const std::string& step,
                              const std::function<void(RuleContext&)>& rule) {
  settleTyping();
  RuleContext ctx = context();
  rule(ctx);
  history_->record(step, warrior_);
  refresh();
}

void WarriorWindow::fieldEdited(std::string Warrior::*field) {
  // The caption follows the name as it is typed.
  if (field == &Warrior::name) setWindowTitle(QString::fromStdString(warriorCaption(warrior_)));
  const std::string step = editStepName(field);
  if (!typedField_.empty() && typedField_ != step) settleTyping();
  typedField_ = step;
  showHistory();
}

void WarriorWindow::settleTyping() {
  if (typedField_.empty()) return;
  history_->record(typedField_, warrior_);
  typedField_.clear();
  showHistory();
}

void WarriorWindow::undo() {
  settleTyping();
  if (!history_->canUndo()) return;
  // The file the warrior belongs to is no part of a step: undo never forgets where it is saved.
  const std::string path = warrior_.filePath;
  warrior_ = history_->undo();
  warrior_.filePath = path;
  refresh();
}

void WarriorWindow::redo() {
  settleTyping();
  if (!history_->canRedo()) return;
  const std::string path = warrior_.filePath;
  warrior_ = history_->redo();
  warrior_.filePath = path;
  refresh();
}

void WarriorWindow::markUnsaved() {
  history_->markUnsaved();
  emit warriorChanged();
}

void WarriorWindow::showHistory() {
  undo_->setEnabled(history_->canUndo() || !typedField_.empty());
  redo_->setEnabled(history_->canRedo() && typedField_.empty());
  const std::string undoing = typedField_.empty() ? history_->undoLabel() : typedField_;
  undo_->setText(QString::fromStdString(undoing.empty() ? "&Undo" : "&Undo " + undoing));
  const std::string& redoing = history_->redoLabel();
  redo_->setText(QString::fromStdString(redoing.empty() || !typedField_.empty()
                                            ? "&Redo"
                                            : "&Redo " + redoing));
  emit warriorChanged();
}

void WarriorWindow::closeEvent(QCloseEvent* event) {
  settleTyping();
  emit closing(this);
  QWidget::closeEvent(event);
}

void WarriorWindow::refresh() {
  setWindowTitle(QString::fromStdString(warriorCaption(warrior_)));
  for (WarriorPage* page : pages_) page->refresh();
  showHistory();
}

bool WarriorWindow::save(bool saveAs) {
  // A field still being typed in (Ctrl+S pressed in it) takes the form its file keeps first, so
  // that what the window shows is what will come back.
  if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget()); edit && isAncestorOf(edit))
    emit edit->editingFinished();
  std::string path = saveAs ? std::string() : warrior_.filePath;
  if (path.empty()) {
    // A cancelled chooser writes nothing and keeps the path the warrior had.
    const QString chosen =
        files_.warriorFile(this, true, QString::fromStdString(warrior_.filePath));
    if (chosen.isEmpty()) return false;
    path = chosen.toStdString();
  }
  settleTyping();
  if (!saveWarriorReporting(warrior_, path, prompter_)) return false;
  saveAs_->setEnabled(true);
  history_->markSaved(warrior_);
  emit warriorChanged();
  emit saved(QString::fromStdString(path));
  return true;
}

void WarriorWindow::buildMenus() {
  const auto action = [this](QMenu* menu, const char* name, const QString& text,
                             const QKeySequence& key = {}) {
    return addMenuAction(this, menu, name, text, key);
  };

  auto* file = new QMenu("File", this);
  file->setObjectName("mnuFile");
  connect(action(file, "mnuNew", "New", QKeySequence("Ctrl+N")), &QAction::triggered, this,
          &WarriorWindow::newRequested);
  connect(action(file, "mnuOpen", "Open...", QKeySequence("Ctrl+O")), &QAction::triggered, this,
          &WarriorWindow::openRequested);
  connect(action(file, "mnuSave", "Save", QKeySequence("Ctrl+S")), &QAction::triggered, this,
          [this] { save(false); });
  saveAs_ = action(file, "mnuSaveAs", "Save As...", QKeySequence("Ctrl+A"));
  saveAs_->setEnabled(false);  // only after the first save in this window
  connect(saveAs_, &QAction::triggered, this, [this] { save(true); });
  connect(action(file, "mnuClose", "&Close", QKeySequence("Ctrl+C")), &QAction::triggered, this,
          &WarriorWindow::closeRequested);
  recentMenu_ = file->addMenu("Recent &Files");
  connect(action(file, "mnuReopenClosed", "Reopen &Closed Warrior", QKeySequence("Ctrl+Shift+T")),
          &QAction::triggered, this, &WarriorWindow::reopenClosedRequested);
  file->addSeparator();
  connect(action(file, "mnuPrintSetup", "Print Se&tup"), &QAction::triggered, this,
          &WarriorWindow::printSetupRequested);
  connect(action(file, "mnuPrint", "&Print", QKeySequence("Ctrl+P")), &QAction::triggered, this,
          &WarriorWindow::printRequested);
  file->addSeparator();
  connect(action(file, "mnuExit", "Exit", QKeySequence("Ctrl+X")), &QAction::triggered, this,
          &WarriorWindow::exitRequested);

  auto* edit = new QMenu("&Edit", this);
  edit->setObjectName("mnuEdit");
  undo_ = action(edit, "mnuUndo", "&Undo", QKeySequence("Ctrl+Z"));
  redo_ = action(edit, "mnuRedo", "&Redo", QKeySequence("Ctrl+Y"));
  redo_->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
  connect(undo_, &QAction::triggered, this, &WarriorWindow::undo);
  connect(redo_, &QAction::triggered, this, &WarriorWindow::redo);

  auto* gm = new QMenu("&Gamemaster Options", this);
  gm->setObjectName("mnuGamemaster");
  auto* modify = gm->addMenu("&Modify");
  modify->setObjectName("mnuModify");
  connect(action(modify, "mnuModifyCBills", "Modify &C-Bills"), &QAction::triggered, this,
          [this] { applyRule("Modify C-Bills", [](RuleContext& ctx) { modifyCBills(ctx); }); });
  connect(action(modify, "mnuModifyPriority", "Modify &Priority Points"), &QAction::triggered, this,
          [this] {
            applyRule("Modify Priority Points",
                      [](RuleContext& ctx) { modifyPriorityPoints(ctx); });
          });

  gm->addSeparator();
  connect(action(gm, "mnuCheckWarrior", "Check &Warrior"), &QAction::triggered, this, [this] {
    settleTyping();
    CheckCatalogues catalogues = readCheckCatalogues(app_.dataFolder);
    catalogues.weapons = weaponCatalogue_;
    catalogues.equipment = equipmentCatalogue_;
    prompter_.showMessage(checkReport(checkWarrior(warrior_, catalogues)),
                          MessageIcon::Information);
  });

  warriorsMenu_ = new QMenu("&Warriors", this);
  warriorsMenu_->setObjectName("mnuWarriors");

  auto* help = new QMenu("&Help", this);
  help->setObjectName("mnuHelp");
  connect(action(help, "mnuAbout", "&About", QKeySequence("Ctrl+B")), &QAction::triggered, this,
          &WarriorWindow::aboutRequested);

  menus_ = {file, edit, gm, warriorsMenu_, help};
}

}  // namespace dk::ui
