#include "ui/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>

#include "core/app/NewWarrior.h"
#include "core/app/OwnCatalogues.h"
#include "core/app/Quit.h"
#include "core/app/Version.h"
#include "core/app/WindowPlacement.h"
#include "ui/AboutBox.h"
#include "ui/FileChooser.h"
#include "ui/FileDrops.h"
#include "ui/FileWatch.h"
#include "ui/Menus.h"
#include "ui/Placement.h"
#include "ui/RecentFilesMenu.h"
#include "ui/RecoveryKeeper.h"
#include "ui/WarriorTable.h"
#include "ui/WarriorWindow.h"
#include "ui/print/PrintPreview.h"

namespace dk::ui {

MainFrame::MainFrame(QWidget* parent)
    : MainFrame(std::make_unique<QtPrompter>(), std::make_unique<QtFileChooser>(), parent) {
  static_cast<QtPrompter&>(prompter_).setParent(this);
}

MainFrame::MainFrame(std::unique_ptr<Prompter> ownPrompter, std::unique_ptr<FileChooser> ownFiles,
                     QWidget* parent)
    : MainFrame(*ownPrompter, *ownFiles, FramePlaces{}, parent) {
  ownPrompter_ = std::move(ownPrompter);
  ownFiles_ = std::move(ownFiles);
}

MainFrame::MainFrame(Prompter& prompter, FileChooser& files, FramePlaces places, QWidget* parent)
    : QMainWindow(parent), prompter_(prompter), files_(files) {
  shareTitleBarIcons();
  app_.dataFolder = std::move(places.dataFolder);
  app_.ownCatalogueFolders = std::move(places.catalogueFolders);
  settings_ = places.settingsFile.isEmpty()
                  ? std::make_unique<QSettings>()
                  : std::make_unique<QSettings>(places.settingsFile, QSettings::IniFormat);
  recent_ = std::make_unique<RecentFilesMenu>(*settings_, prompter_);
  printers_ = std::make_unique<PrinterChoice>(*settings_);
  recovery_ = new RecoveryKeeper(std::move(places.recoveryFolder), prompter_, this);
  recovery_->setInterval(
      settings_->value("recovery/autosaveSeconds", kDefaultAutosaveSeconds).toInt() * 1000);
  connect(recovery_, &RecoveryKeeper::closedChanged, this, &MainFrame::showReopenState);
  // What the rules say in passing goes to the status line.
  prompter_.setNoteSink([this](const std::string& text) { note(text, kShortNoteMilliseconds); });
  // Close stays immediate; what it kept is told, and where to get it back.
  connect(recovery_, &RecoveryKeeper::keptClosed, this, [this](const std::string& name) {
    if (quitting_) {
      ++keptAtExit_;
    } else {
      note(closedWithChangesNote(name));
    }
  });
  setObjectName("frmMain");
  setWindowTitle(QString::fromUtf8(kAppTitle));

  mdi_ = new QMdiArea(this);
  mdi_->setObjectName("mdiArea");
  mdi_->setAccessibleName("Warrior windows");
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);
  // A drop of warrior files on the frame opens each, after the drop has ended (so that the message
  // of a bad file does not hold the drag).
  auto* drops = new WarriorFileDrops(this);
  drops->watch(this);
  drops->watch(mdi_->viewport());
  connect(drops, &WarriorFileDrops::dropped, this, &MainFrame::openWarriorFiles,
          Qt::QueuedConnection);
  connect(mdi_, &QMdiArea::subWindowActivated, this, &MainFrame::showMenusFor);
  // Whether the active warrior differs from its file, in the status line: the caption stays the
  // warrior's name alone.
  modified_ = new QLabel(this);
  modified_->setObjectName("lblModified");
  statusBar()->addPermanentWidget(modified_);
  connect(mdi_, &QMdiArea::subWindowActivated, this, &MainFrame::showModified);

  table_ = new WarriorTable(*this, *mdi_, files_, *printers_, prompter_, app_);
  connect(table_, &WarriorTable::activateRequested, this, &MainFrame::bringToFront);
  fileWatch_ = new WarriorFileWatch(
      [this] { return warriorWindows(); },
      [this](WarriorWindow* w, const FileStamp& now) { diskChanged(w, now); }, this);
  buildMenus();
  // A warrior window's "File" menu carries no mnemonic in its title; Alt+F opens it all the same
  // (the frame's own "&File" has one, so the key is only taken while a warrior window is active).
  fileKey_ = new QShortcut(QKeySequence("Alt+F"), this);
  connect(fileKey_, &QShortcut::activated, this, [this] {
    if (const auto menus = menuBar()->actions(); !menus.isEmpty())
      menuBar()->setActiveAction(menus.first());
  });
  showMenusFor(nullptr);

  QSize size(twips(this, kFrameSize.width), twips(this, kFrameSize.height));
  if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size() * 0.95);
  resize(size);
  centerOnScreen(this);
}

MainFrame::~MainFrame() {
  prompter_.setNoteSink({});
  // Warrior windows refer to the frame's state: close them while it still exists.
  delete preview_;
  // Nothing the windows report on their way out concerns a frame that is going.
  for (WarriorWindow* w : warriorWindows()) w->disconnect(this);
  mdi_->closeAllSubWindows();
}

void MainFrame::buildMenus() {
  QMenu* recent = nullptr;
  QMenu* file = buildMenu(
      this, "&File", "mnuFile",
      {{"mnuNew", "&New", QKeySequence("Ctrl+N"), [this] { newWarrior(); }},
       {"mnuNewRandom", "New &Random Warrior...", QKeySequence("Ctrl+Shift+N"),
        [this] { newRandomWarrior(this); }},
       {"mnuOpen", "&Open...", QKeySequence("Ctrl+O"), [this] { openWarrior(this); }},
       {nullptr, "Recent &Files", {}, {}, &recent},
       {"mnuReopenClosed", "Reopen &Closed Warrior", QKeySequence("Ctrl+Shift+T"),
        [this] { reopenClosedWarrior(); }},
       {},
       {"mnuExportAllPdf", "Export All to P&DF...", {}, [this] { table_->exportAllPdf(this); }},
       {"mnuExportAllTemplate",
        "Export All with T&emplate...",
        {},
        [this] { table_->exportWithTemplate(this, nullptr); }},
       {"mnuPrintAll", "Print &All...", {}, [this] { table_->printAll(this); }},
       {"mnuPrintSetup", "Print Se&tup", {}, [this] { printers_->setup(this); }},
       {},
       {"mnuExit", "&Exit", QKeySequence("Ctrl+X"), [this] { exitProgram(); }}});
  recent_->attach(recent, [this](const QString& path) { openWarriorPath(path.toStdString()); });
  reopenActions_ << findChild<QAction*>("mnuReopenClosed");
  tableActions_ = {findChild<QAction*>("mnuExportAllPdf"), findChild<QAction*>("mnuPrintAll"),
                   findChild<QAction*>("mnuExportAllTemplate")};
  showTableState();
  QMenu* help =
      buildMenu(this, "&Help", "mnuHelp",
                {{"mnuAbout", "&About", QKeySequence("Ctrl+B"), [this] { showAbout(); }}});
  frameMenus_ = {file, help};
  showMenusFor(nullptr);
  showReopenState();
}

QList<WarriorWindow*> MainFrame::warriorWindows() const { return table_->windows(); }

WarriorWindow* MainFrame::activeWarriorWindow() const {
  QMdiSubWindow* sub = mdi_->activeSubWindow();
  if (!sub) sub = mdi_->currentSubWindow();
  return sub ? qobject_cast<WarriorWindow*>(sub->widget()) : nullptr;
}

void MainFrame::showMenusFor(QMdiSubWindow* sub) {
  // When the frame itself loses focus (a dialog opens) no child is active for a moment; the
  // current child keeps its menus then.
  if (!sub) sub = mdi_->currentSubWindow();
  auto* warrior = sub ? qobject_cast<WarriorWindow*>(sub->widget()) : nullptr;
  showMenus(menuBar(), warrior ? warrior->menus() : frameMenus_);
  if (fileKey_) fileKey_->setEnabled(warrior != nullptr);
}

WarriorWindow* MainFrame::newWarrior() {
  const auto grant = startNewWarrior(app_, prompter_);
  if (!grant) return nullptr;
  return addWarriorWindow(*grant, Warrior{});
}

WarriorWindow* MainFrame::addWarriorWindow(const SlotGrant& grant, Warrior warrior) {
  auto* window = new WarriorWindow(app_, prompter_, files_, std::move(warrior));
  window->setSlot(grant.slot);
  QMdiSubWindow* sub = addQuietSubWindow(mdi_, window);
  sub->setWindowIcon(windowIcon());
  placeWarriorWindow(mdi_, sub, grant.firstWindow);

  connect(window, &WarriorWindow::newRequested, this, &MainFrame::newWarrior);
  connect(window, &WarriorWindow::newRandomRequested, this,
          [this, window] { newRandomWarrior(window); });
  connect(window, &WarriorWindow::openRequested, this, [this, window] { openWarrior(window); });
  connect(window, &WarriorWindow::duplicateRequested, this, [this, window] { duplicate(window); });
  connect(window, &WarriorWindow::exportAllRequested, this,
          [this, window] { table_->exportAllPdf(window); });
  connect(window, &WarriorWindow::exportTemplateRequested, this,
          [this, window] { table_->exportWithTemplate(window, window); });
  connect(window, &WarriorWindow::exportAllTemplateRequested, this,
          [this, window] { table_->exportWithTemplate(window, nullptr); });
  connect(window, &WarriorWindow::printAllRequested, this,
          [this, window] { table_->printAll(window); });
  table_->watch(window);
  connect(window, &WarriorWindow::exitRequested, this, &MainFrame::exitProgram);
  connect(window, &WarriorWindow::aboutRequested, this, &MainFrame::showAbout);
  connect(window, &WarriorWindow::catalogueFolderRequested, this, &MainFrame::openCatalogueFolder);
  // Close: at once, without a question; the slot stays taken.
  connect(window, &WarriorWindow::closeRequested, sub, &QMdiSubWindow::close);
  connect(window, &WarriorWindow::printRequested, this,
          [this, window] { showPrintPreview(window); });
  connect(window, &WarriorWindow::printSetupRequested, this,
          [this, window] { printers_->setup(window); });
  // The preview of a warrior goes with its window.
  connect(window, &QObject::destroyed, this, [this, slot = grant.slot] {
    if (preview_ && preview_->slot() == slot) preview_->close();
  });
  recovery_->watch(window);
  fileWatch_->watch(window);
  recent_->attach(window->recentMenu(),
                  [this](const QString& path) { openWarriorPath(path.toStdString()); });
  connect(window, &WarriorWindow::saved, this, [this](const QString& path) { recent_->add(path); });
  connect(window, &WarriorWindow::warriorChanged, this, &MainFrame::showModified);
  connect(window, &WarriorWindow::reopenClosedRequested, this, &MainFrame::reopenClosedWarrior);
  // The other windows' Reopen and the frame's Export All and Print All stand as they were, or
  // the latter now that a window is open: only the new ones are set, not all again (a New
  // would take longer with every window open).
  QAction* reopen = window->findChild<QAction*>("mnuReopenClosed");
  reopen->setEnabled(recovery_->hasClosed());
  reopenActions_ << reopen;
  connect(window->warriorsMenu(), &QMenu::aboutToShow, this,
          [this, menu = window->warriorsMenu(),
           arrange = makeArrangeActions(window, mdi_) << rosterAction(window)] {
            fillWindowsMenu(menu, mdi_, arrange, [](QWidget* w) {
              return QString::fromStdString(static_cast<WarriorWindow*>(w)->warrior().name);
            });
          });
  connect(sub, &QObject::destroyed, this, [this] {
    // The last window gone: the frame's own menus come back.
    QTimer::singleShot(0, this, [this] {
      showMenusFor(mdi_->activeSubWindow());
      showTableState();
    });
  });
  for (QAction* action : tableActions_) action->setEnabled(true);

  sub->show();
  mdi_->setActiveSubWindow(sub);
  showMenusFor(sub);
  return window;
}

void MainFrame::showModified() {
  const WarriorWindow* w = activeWarriorWindow();
  modified_->setText(w && w->modified() ? "Unsaved changes" : QString());
}

void MainFrame::showTableState() {
  const bool any = !warriorWindows().isEmpty();
  for (QAction* action : tableActions_) action->setEnabled(any);
}

QAction* MainFrame::rosterAction(WarriorWindow* window) {
  auto* roster = new QAction("&Roster", window);
  roster->setObjectName("mnuRoster");
  connect(roster, &QAction::triggered, table_, &WarriorTable::showRoster);
  return roster;
}

void MainFrame::showReopenState() {
  const bool any = recovery_->hasClosed();
  reopenActions_.removeAll(nullptr);  // those of windows closed since
  for (const QPointer<QAction>& action : reopenActions_) action->setEnabled(any);
}

void MainFrame::exitProgram() {
  // The question is asked where every close of the frame ends up.
  close();
}

void MainFrame::closeEvent(QCloseEvent* event) {
  // Exit, the close box, the window manager and the desktop's log-out all come here.
  if (!quitting_ && !confirmQuit(prompter_)) return event->ignore();
  // Nothing is saved and nothing more is asked; what has changes is kept for recovery.
  quitting_ = true;
  mdi_->closeAllSubWindows();
  recovery_->noteKeptAtExit(keptAtExit_);
  emit quitRequested();
  QCoreApplication::quit();
  QMainWindow::closeEvent(event);
}

PrintPreview* MainFrame::printPreview() const { return preview_; }

void MainFrame::showPrintPreview(WarriorWindow* window) {
  if (!preview_) {
    preview_ = new PrintPreview(
        *printers_, files_, prompter_, *settings_,
        [this](int slot) -> const Warrior* {
          for (WarriorWindow* w : warriorWindows())
            if (w->slot() == slot) return &w->warrior();
          return nullptr;
        },
        this);
  }
  preview_->showFor(window->slot());
}

void MainFrame::showAbout() {
  AboutBox about(prompter_, ownCataloguesInUse(app_.catalogueFolders()), this);
  centerOnScreen(&about);
  about.exec();
}

}  // namespace dk::ui
