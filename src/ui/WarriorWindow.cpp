#include "ui/WarriorWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "core/app/SaveWarrior.h"
#include "ui/Binding.h"
#include "ui/FileChooser.h"
#include "ui/Menus.h"
#include "ui/PageTabRows.h"
#include "ui/pages/AdvantagesPage.h"
#include "ui/pages/BudgetPages.h"
#include "ui/pages/GearPage.h"
#include "ui/pages/InfoPages.h"
#include "ui/pages/SkillsPage.h"

namespace dk::ui {

namespace {
// Set on the application once the one watch of the focus for every warrior window is made.
constexpr char kFocusWatched[] = "drakkenfoldFocusWatched";
}  // namespace

WarriorWindow::WarriorWindow(AppState& app, Prompter& prompter, FileChooser& files, Warrior warrior,
                             QWidget* parent)
    : QWidget(parent),
      prompter_(prompter),
      files_(files),
      document_(std::move(warrior), app, prompter) {
  setObjectName("frmWarrior");
  setAttribute(Qt::WA_DeleteOnClose);

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

  // A field is left when the focus goes elsewhere: its typing becomes one step then. One watch
  // for every window of the program, which finds the window the focus left: a watch per window
  // would run for all of them on every change of focus.
  if (!qApp->property(kFocusWatched).toBool()) {
    qApp->setProperty(kFocusWatched, true);
    connect(qApp, &QApplication::focusChanged, qApp, [](QWidget* old, QWidget*) {
      for (QWidget* w = old; w; w = w->parentWidget())
        if (auto* window = qobject_cast<WarriorWindow*>(w)) return window->fieldLeft();
    });
  }
  buildMenus();
  // Inside a text field Ctrl+Y redoes the field's own typing, as Ctrl+Shift+Z does, rather than
  // the window's last step.
  for (QWidget* field : findChildren<QLineEdit*>()) keepRedoKeyIn(field);
  for (QWidget* field : findChildren<QPlainTextEdit*>()) keepRedoKeyIn(field);
  refresh();
  // A new button asks, through a request left in the queue, to be measured again once it is
  // polished; it is polished when first shown or measured anyway. Answered later, those
  // requests would lay the window out and paint it whole once more after it is shown.
  for (QPushButton* button : findChildren<QPushButton*>())
    QCoreApplication::removePostedEvents(button, QEvent::PolishRequest);
}

void WarriorWindow::fieldLeft() {
  document_.settleTyping();
  showHistory();
}

QSize WarriorWindow::minimumSizeHint() const {
  // The tab widget's own hint counts its hidden one-row tab bar; the pages and the panel's
  // frame around them are what stand below the tab rows.
  QSize pages;
  for (int i = 0; i < tabs_->count(); ++i)
    pages = pages.expandedTo(tabs_->widget(i)->minimumSizeHint());
  const int frame = tabs_->minimumSizeHint().width() - pages.width();  // as much on every side
  const int width = std::max(pages.width() + frame, tabRows_->minimumSizeHint().width());
  const QMargins margins = layout()->contentsMargins();
  return {
      width + margins.left() + margins.right(),
      tabRows_->heightForWidth(width) + pages.height() + frame + margins.top() + margins.bottom()};
}

void WarriorWindow::setSlot(int slot) {
  slot_ = slot;
  setProperty("tag", QString::number(slot));
}

void WarriorWindow::run(const Command& command) {
  document_.run(command);
  refresh();
}

void WarriorWindow::fieldEdited(std::string Warrior::*field) {
  // The caption follows the name as it is typed.
  if (field == &Warrior::name) setWindowTitle(QString::fromStdString(warriorCaption(warrior())));
  document_.typed(field);
  showHistory();
}

void WarriorWindow::undo() {
  document_.undo();
  refresh();
}

void WarriorWindow::redo() {
  document_.redo();
  refresh();
}

void WarriorWindow::markUnsaved() {
  document_.markUnsaved();
  emit warriorChanged();
}

void WarriorWindow::reload(Warrior opened, const FileStamp& stamp) {
  document_.reload(std::move(opened), stamp);
  refresh();
}

void WarriorWindow::showHistory() {
  undo_->setEnabled(document_.canUndo());
  redo_->setEnabled(document_.canRedo());
  const std::string& undoing = document_.undoLabel();
  const std::string& redoing = document_.redoLabel();
  undo_->setText(QString::fromStdString(undoing.empty() ? "&Undo" : "&Undo " + undoing));
  redo_->setText(QString::fromStdString(redoing.empty() ? "&Redo" : "&Redo " + redoing));
  emit warriorChanged();
}

void WarriorWindow::closeEvent(QCloseEvent* event) {
  document_.settleTyping();
  emit closing(this);
  QWidget::closeEvent(event);
}

void WarriorWindow::refresh() {
  setWindowTitle(QString::fromStdString(warriorCaption(warrior())));
  for (WarriorPage* page : pages_) page->refresh();
  showHistory();
}

bool WarriorWindow::save(bool saveAs) {
  // A field still being typed in (Ctrl+S pressed in it) takes the form its file keeps first, so
  // that what the window shows is what will come back.
  if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
      edit && isAncestorOf(edit))
    emit edit->editingFinished();
  std::string path = saveAs ? std::string() : warrior().filePath;
  if (path.empty()) {
    // A cancelled chooser writes nothing and keeps the path the warrior had.
    // A warrior with no file yet is offered its name in the folder last used.
    const std::string suggested =
        warrior().filePath.empty() ? suggestedFileName(warrior()) : warrior().filePath;
    const QString chosen = files_.warriorFile(this, true, QString::fromStdString(suggested));
    if (chosen.isEmpty()) return false;
    path = chosen.toStdString();
  }
  if (!document_.save(path)) return false;
  saveAs_->setEnabled(true);
  showHistory();
  emit saved(QString::fromStdString(path));
  return true;
}

void WarriorWindow::buildMenus() {
  const auto signal = [this](void (WarriorWindow::*request)()) {
    return [this, request] { emit(this->*request)(); };
  };
  QMenu* file = buildMenu(
      this, "File", "mnuFile",
      {{"mnuNew", "New", QKeySequence("Ctrl+N"), signal(&WarriorWindow::newRequested)},
       {"mnuNewRandom", "New &Random Warrior...", QKeySequence("Ctrl+Shift+N"),
        signal(&WarriorWindow::newRandomRequested)},
       {"mnuOpen", "Open...", QKeySequence("Ctrl+O"), signal(&WarriorWindow::openRequested)},
       {"mnuSave", "Save", QKeySequence("Ctrl+S"), [this] { save(false); }},
       {"mnuSaveAs", "Save As...", QKeySequence("Ctrl+A"), [this] { save(true); }},
       {"mnuClose", "&Close", QKeySequence("Ctrl+C"), signal(&WarriorWindow::closeRequested)},
       {"mnuDuplicate", "&Duplicate Warrior", {}, signal(&WarriorWindow::duplicateRequested)},
       {nullptr, "Recent &Files", {}, {}, &recentMenu_},
       {"mnuReopenClosed", "Reopen &Closed Warrior", QKeySequence("Ctrl+Shift+T"),
        signal(&WarriorWindow::reopenClosedRequested)},
       {},
       {"mnuPrintSetup", "Print Se&tup", {}, signal(&WarriorWindow::printSetupRequested)},
       {"mnuPrint", "&Print", QKeySequence("Ctrl+P"), signal(&WarriorWindow::printRequested)},
       {"mnuExportTemplate",
        "Export with &Template...",
        {},
        signal(&WarriorWindow::exportTemplateRequested)},
       {"mnuExportAllPdf", "Export All to P&DF...", {}, signal(&WarriorWindow::exportAllRequested)},
       {"mnuExportAllTemplate",
        "Export All with T&emplate...",
        {},
        signal(&WarriorWindow::exportAllTemplateRequested)},
       {"mnuPrintAll", "Print &All...", {}, signal(&WarriorWindow::printAllRequested)},
       {},
       {"mnuExit", "Exit", QKeySequence("Ctrl+X"), signal(&WarriorWindow::exitRequested)}});
  saveAs_ = findChild<QAction*>("mnuSaveAs");
  saveAs_->setEnabled(false);  // only after the first save in this window

  QMenu* edit = buildMenu(this, "&Edit", "mnuEdit",
                          {{"mnuUndo", "&Undo", QKeySequence("Ctrl+Z"), [this] { undo(); }},
                           {"mnuRedo", "&Redo", QKeySequence("Ctrl+Y"), [this] { redo(); }}});
  undo_ = findChild<QAction*>("mnuUndo");
  redo_ = findChild<QAction*>("mnuRedo");
  redo_->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});

  QMenu* modify = nullptr;
  QMenu* gm =
      buildMenu(this, "&Gamemaster Options", "mnuGamemaster",
                {{nullptr, "&Modify", {}, {}, &modify},
                 {},
                 {"mnuCatalogueFolder",
                  "Open Catalogue &Folder",
                  {},
                  signal(&WarriorWindow::catalogueFolderRequested)},
                 {"mnuCheckWarrior", "Check &Warrior", {}, [this] {
                    prompter_.showMessage(document_.checkReport(), MessageIcon::Information);
                    showHistory();
                  }}});
  modify->setObjectName("mnuModify");
  for (const auto& [name, text, command] :
       {std::tuple{"mnuModifyCBills", "Modify &C-Bills", commands::modifyCBills()},
        std::tuple{"mnuModifyPriority", "Modify &Priority Points",
                   commands::modifyPriorityPoints()}}) {
    connect(addMenuAction(this, modify, name, text), &QAction::triggered, this,
            [this, command] { run(command); });
  }

  warriorsMenu_ = new QMenu("&Warriors", this);
  warriorsMenu_->setObjectName("mnuWarriors");
  QMenu* help = buildMenu(
      this, "&Help", "mnuHelp",
      {{"mnuAbout", "&About", QKeySequence("Ctrl+B"), signal(&WarriorWindow::aboutRequested)}});
  menus_ = {file, edit, gm, warriorsMenu_, help};
}

}  // namespace dk::ui
