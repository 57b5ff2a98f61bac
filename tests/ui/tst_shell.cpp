// The main frame, warrior windows, menus, splash screen and About box, driven as a user would.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTabWidget>

#include "TestPaths.h"
#include "UiTestHelpers.h"
#include "core/app/WindowPlacement.h"
#include "ui/AboutBox.h"
#include "ui/Placement.h"
#include "ui/SplashScreen.h"

using namespace dk;
using namespace dk::test;

class ShellTest : public QObject {
  Q_OBJECT

 private:
  static QStringList menuTitles(ui::MainFrame& frame) {
    QStringList out;
    for (QAction* a : frame.menuBar()->actions()) out << a->text();
    return out;
  }
  static QAction* frameAction(ui::MainFrame& frame, const char* name) {
    return frame.findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
  }
  static QAction* warriorAction(ui::WarriorWindow* w, const char* name) {
    return w->findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
  }

 private slots:
  void cleanup() { disarmBoxWatchers(); }
  void startsWithoutWarriorWindowAndCentred() {
    ui::MainFrame frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QCOMPARE(frame.objectName(), QString("frmMain"));
    QCOMPARE(frame.windowTitle(), QString("Drakkenfold Character Generator"));
    QVERIFY(frame.warriorWindows().isEmpty());
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 0);
    const QRect screen = frame.screen()->geometry();
    const QPoint centre = frame.frameGeometry().center();
    QVERIFY(qAbs(centre.x() - screen.center().x()) <= 2);
    QVERIFY(qAbs(centre.y() - screen.center().y()) <= 2);
    QCOMPARE(menuTitles(frame), (QStringList{"&File", "&Help"}));
    QCOMPARE(frameAction(frame, "mnuNew")->shortcut(), QKeySequence("Ctrl+N"));
    QCOMPARE(frameAction(frame, "mnuOpen")->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(frameAction(frame, "mnuExit")->shortcut(), QKeySequence("Ctrl+X"));
    QCOMPARE(frameAction(frame, "mnuAbout")->shortcut(), QKeySequence("Ctrl+B"));
    QVERIFY(frameAction(frame, "mnuPrintSetup"));
  }

  void newGivesTaggedWindowsWithTheirSizes() {
    // The frame as acceptance checks build it reads the data files of the working folder.
    const QString before = QDir::currentPath();
    QDir::setCurrent(QString(DRAKKENFOLD_DATA));
    const auto back = qScopeGuard([&] { QDir::setCurrent(before); });
    ui::MainFrame frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frameAction(frame, "mnuNew")->trigger();
    QCOMPARE(frame.warriorWindows().size(), 1);
    auto* first = frame.warriorWindows()[0];
    QCOMPARE(first->objectName(), QString("frmWarrior"));
    QCOMPARE(first->property("tag").toString(), QString("1"));
    QCOMPARE(first->windowTitle(), QString("Warrior: "));
    const double dpi = ui::logicalDpi(first);
    QCOMPARE(subWindowOf(first)->size(), QSize(twipsToPixels(7575, dpi), twipsToPixels(6465, dpi)));

    // The second New comes from the warrior window's own menu.
    warriorAction(first, "mnuNew")->trigger();
    QCOMPARE(frame.warriorWindows().size(), 2);
    auto* second = frame.warriorWindows()[1];
    QCOMPARE(second->property("tag").toString(), QString("2"));
    // Later windows are shorter, but never below the height at which every page lays out.
    QCOMPARE(subWindowOf(second)->height(),
             std::max(twipsToPixels(5520, dpi), subWindowOf(second)->minimumHeight()));

    // A fresh warrior shows its starting values.
    QCOMPARE(child<QLineEdit>(second, "txtCBills")->text(), QString("200"));
    QCOMPARE(child<QLineEdit>(second, "txtECBills")->text(), QString("500"));
    QCOMPARE(child<QLineEdit>(second, "txtAssets")->text(), QString("0"));
    QVERIFY(child<QLineEdit>(second, "txtCBills")->isReadOnly());
    QCOMPARE(child<QLineEdit>(second, "txtEdge")->text(), QString("1"));
    QCOMPARE(child<QComboBox>(second, "cboSex")->currentText(), QString("Male"));
    QCOMPARE(child<QComboBox>(second, "cboAffil")->count(), 34);
    QCOMPARE(child<QComboBox>(second, "cboAffil")->itemText(33), QString("The Clan Cloud Cobra"));
    QCOMPARE(child<QComboBox>(second, "cboAffil")->currentText(), QString());

    // The equipment C-Bills go into the C-Bills once; gear is then paid from them.
    auto* transfer = child<QAbstractButton>(second, "cmdTransMoney");
    QVERIFY(transfer->isEnabled());
    transfer->click();
    QCOMPARE(child<QLineEdit>(second, "txtCBills")->text(), QString("700"));
    QCOMPARE(child<QLineEdit>(second, "txtECBills")->text(), QString("0"));
    QVERIFY(!transfer->isEnabled());
    QCOMPARE(child<QLabel>(second, "lblCBLeft")->text(), QString("700"));

    // The nine pages in order.
    auto* tabs = child<QTabWidget>(second, "tabWarrior");
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
    QCOMPARE(captions, (QStringList{"Warrior Info", "Priorities", "Stats", "Skills", "Advantages",
                                    "Weapons", "Equipment", "Notes", "Personal Information"}));
  }

  void laterWindowsLayOutWholeStepOnAndKeepTheirSizeWhenDragged() {
    ScriptedFrame s;
    QList<QMdiSubWindow*> subs;
    for (int i = 0; i < 3; ++i) subs << subWindowOf(s.newWarrior());
    // Each new window one cascade step on from the one before.
    const QPoint step = subs[1]->pos() - subs[0]->pos();
    QCOMPARE(step.x(), 10);
    QVERIFY(step.y() > 10);
    QCOMPARE(subs[2]->pos() - subs[1]->pos(), step);

    // Every page of a later window gives its buttons their whole height.
    auto* w = qobject_cast<ui::WarriorWindow*>(subs[1]->widget());
    for (int page = 0; page < w->tabs()->count(); ++page) {
      w->tabs()->setCurrentIndex(page);
      QApplication::processEvents();
      for (auto* button : w->tabs()->widget(page)->findChildren<QPushButton*>()) {
        if (button->isVisible())
          QVERIFY2(
              button->height() >= std::min(button->sizeHint().height(), button->maximumHeight()),
              qPrintable(w->tabs()->tabText(page) + " " + button->objectName()));
      }
    }

    // Dragged by its title, the window moves and keeps its size.
    const QSize size = subs[2]->size();
    QWindow* screen = s.frame.windowHandle();
    const QPoint title = subs[2]->mapTo(&s.frame, QPoint(subs[2]->width() / 2, 8));
    QTest::mousePress(screen, Qt::LeftButton, {}, title);
    for (int i = 1; i <= 4; ++i) QTest::mouseMove(screen, title + QPoint(10, 8) * i);
    QTest::mouseRelease(screen, Qt::LeftButton, {}, title + QPoint(40, 32));
    QCOMPARE(subs[2]->pos(), subs[1]->pos() + step + QPoint(40, 32));
    QCOMPARE(subs[2]->size(), size);
  }

  void closingKeepsTheSlotTaken() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* one = frame.newWarrior();
    frame.newWarrior();
    warriorAction(one, "mnuClose")->trigger();
    QTRY_COMPARE(frame.warriorWindows().size(), 1);
    auto* third = frame.newWarrior();
    QCOMPARE(third->property("tag").toString(), QString("3"));
  }

  void captionFollowsTheName() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* w = frame.newWarrior();
    auto* name = child<QLineEdit>(w, "txtName");
    QTest::keyClicks(name, "Kai, the Second");
    QCOMPARE(w->windowTitle(), QString("Warrior: Kai, the Second"));
    QCOMPARE(subWindowOf(w)->windowTitle(), QString("Warrior: Kai, the Second"));
    QCOMPARE(w->warrior().name, std::string("Kai, the Second"));
    name->clear();
    QCOMPARE(w->windowTitle(), QString("Warrior: "));
  }

  void lineBreaksInOneLineFieldsBecomeSpaces() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* w = frame.newWarrior();
    child<QLineEdit>(w, "txtRank")->setText("Star\nCaptain");
    QCOMPARE(w->warrior().rank, std::string("Star Captain"));
    QCOMPARE(child<QLineEdit>(w, "txtRank")->text(), QString("Star Captain"));
    child<QComboBox>(w, "cboAffil")->setEditText("Clan\r\nWolf");
    QCOMPARE(w->warrior().affiliation, std::string("Clan Wolf"));
    // Notes keep their line breaks.
    child<QPlainTextEdit>(w, "txtNotes")->setPlainText("one\ntwo");
    QCOMPARE(w->warrior().notes, std::string("one\ntwo"));
  }

  void exitAnsweredNoChangesNothing() {
    RealFrame real;
    ui::MainFrame& frame = real.frame;
    auto* w = frame.newWarrior();
    child<QLineEdit>(w, "txtName")->setText("Aidan");
    SeenBox seen;
    answerMessageBox(QMessageBox::No, &seen);
    warriorAction(w, "mnuExit")->trigger();
    QCOMPARE(seen.text, QString("Are you sure you wish to quit?"));
    QCOMPARE(seen.icon, QMessageBox::Question);
    QCOMPARE(seen.title, QString("Drakkenfold Character Generator"));
    QCOMPARE(seen.buttons.size(), 2);
    QVERIFY(frame.isVisible());
    QCOMPARE(frame.warriorWindows().size(), 1);
    QCOMPARE(w->warrior().name, std::string("Aidan"));
  }

  void theFramesCloseBoxAsksAsExitDoes() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    frame.newWarrior();
    s.prompter.yesNoAnswers = {false, true};
    QVERIFY(!frame.close());  // a close event, as the close box and a log-out send
    QCOMPARE(s.prompter.texts(), std::vector<std::string>{"Are you sure you wish to quit?"});
    QVERIFY(frame.isVisible());
    QCOMPARE(frame.warriorWindows().size(), 1);
    frame.close();
    QVERIFY(!frame.isVisible());
    QVERIFY(frame.warriorWindows().isEmpty());
  }

  void menusSwitchWithTheActiveWindow() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QCOMPARE(menuTitles(frame), (QStringList{"&File", "&Help"}));
    auto* one = frame.newWarrior();
    QCOMPARE(menuTitles(frame),
             (QStringList{"File", "&Edit", "&Gamemaster Options", "&Warriors", "&Help"}));
    QCOMPARE(warriorAction(one, "mnuClose")->shortcut(), QKeySequence("Ctrl+C"));
    QCOMPARE(warriorAction(one, "mnuSaveAs")->shortcut(), QKeySequence("Ctrl+A"));
    QVERIFY(!warriorAction(one, "mnuSaveAs")->isEnabled());
    auto* two = frame.newWarrior();
    QCOMPARE(frame.menuBar()->actions()[0]->menu(), two->menus()[0]);

    // The Warriors menu arranges the windows, lists both and activates the one chosen.
    QMenu* list = one->warriorsMenu();
    emit list->aboutToShow();
    QStringList names;
    for (QAction* a : list->actions()) names << a->objectName();
    QCOMPARE(names, (QStringList{"mnuCascade", "mnuTile", "mnuCloseAll", "mnuRoster", "",
                                 "mnuWarrior_1", "mnuWarrior_2"}));
    QAction* pickOne = nullptr;
    for (QAction* a : list->actions())
      if (a->objectName() == "mnuWarrior_1") pickOne = a;
    QVERIFY(pickOne);
    pickOne->trigger();
    QCOMPARE(frame.mdiArea()->activeSubWindow(), subWindowOf(one));
    QCOMPARE(frame.menuBar()->actions()[0]->menu(), one->menus()[0]);

    // With every warrior window closed, the frame's own menus come back.
    frame.mdiArea()->closeAllSubWindows();
    QTRY_COMPARE(menuTitles(frame), (QStringList{"&File", "&Help"}));
  }

  void editingKeysOfTextFieldsAreNotMenuShortcuts() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    auto* w = frame.newWarrior();
    QApplication::setActiveWindow(&frame);
    auto* name = child<QLineEdit>(w, "txtName");
    name->setText("Natasha");
    name->setFocus();
    QTRY_VERIFY(name->hasFocus());
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);  // select all, not Save As
    QCOMPARE(name->selectedText(), QString("Natasha"));
    QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);  // copy, not Close
    QCOMPARE(frame.warriorWindows().size(), 1);
    QCOMPARE(QApplication::clipboard()->text(), QString("Natasha"));
    QTest::keyClick(name, Qt::Key_X, Qt::ControlModifier);  // cut, not Exit
    QCOMPARE(name->text(), QString());
    QCOMPARE(w->warrior().name, std::string());
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);  // the field's own undo
    QCOMPARE(name->text(), QString("Natasha"));

    w->tabs()->setCurrentIndex(7);
    auto* notes = child<QPlainTextEdit>(w, "txtNotes");
    notes->setPlainText("line one");
    notes->setFocus();
    QTRY_VERIFY(notes->hasFocus());
    notes->selectAll();
    QTest::keyClick(notes, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(frame.warriorWindows().size(), 1);
    QCOMPARE(QApplication::clipboard()->text(), QString("line one"));

    // Away from a text field, Ctrl+C is the menu's Close.
    w->tabs()->setFocus();
    QTRY_VERIFY(w->tabs()->hasFocus());
    QTest::keyClick(w->tabs(), Qt::Key_C, Qt::ControlModifier);
    QTRY_COMPARE(frame.warriorWindows().size(), 0);
  }

  void aboutShowsItsTextsCentred() {
    ui::MainFrame frame;
    frame.show();
    QString caption, version, title;
    QPoint centre;
    QRect screen;
    whenModal<QDialog>([&](QDialog* about) {
      caption = about->windowTitle();
      version = child<QLabel>(about, "lblVersion")->text();
      title = child<QLabel>(about, "lblTitle")->text();
      centre = about->frameGeometry().center();
      screen = about->screen()->geometry();
      child<QAbstractButton>(about, "cmdOK")->click();
    });
    frameAction(frame, "mnuAbout")->trigger();
    QCOMPARE(caption, QString("About Drakkenfold Character Generator"));
    QCOMPARE(title, QString("Drakkenfold Character Generator"));
    QCOMPARE(version, QString("Version 1.3.0"));
    QVERIFY(qAbs(centre.x() - screen.center().x()) <= 2);
    QVERIFY(qAbs(centre.y() - screen.center().y()) <= 2);
  }

  void systemInfoWithoutAViewerSaysSo() {
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", "/nonexistent-folder");
    FakePrompter prompter;
    ui::AboutBox about(prompter);
    child<QAbstractButton>(&about, "cmdSysInfo")->click();
    qputenv("PATH", oldPath);
    QCOMPARE(prompter.texts(),
             std::vector<std::string>{"System Information Is Unavailable At This Time"});
    QCOMPARE(prompter.log[0].icon, MessageIcon::None);
  }

  void splashClosesOnAKey() {
    ui::SplashScreen splash;
    QCOMPARE(child<QLabel>(&splash, "lblProductName")->text(),
             QString("Drakkenfold Character Generator"));
    QCOMPARE(child<QLabel>(&splash, "lblVersion")->text(), QString("Version 1.3.0"));
    QCOMPARE(child<QLabel>(&splash, "lblPlatform")->text(), QString("Windows 95"));
    QCOMPARE(splash.timer()->interval(), 5000);
    QTimer::singleShot(50, [&] { QTest::keyClick(&splash, Qt::Key_Space); });
    QElapsedTimer clock;
    clock.start();
    splash.exec();
    QVERIFY(clock.elapsed() < 2000);
  }

  void splashClosesOnAClickOnALabel() {
    ui::SplashScreen splash;
    QTimer::singleShot(
        50, [&] { QTest::mouseClick(child<QLabel>(&splash, "lblVersion"), Qt::LeftButton); });
    QElapsedTimer clock;
    clock.start();
    splash.exec();
    QVERIFY(clock.elapsed() < 2000);
  }

  void splashClosesByItsTimer() {
    ui::SplashScreen splash;
    splash.timer()->setInterval(100);  // the same timer, shortened for the test
    splash.timer()->start();
    QElapsedTimer clock;
    clock.start();
    splash.exec();
    QVERIFY(clock.elapsed() < 2000);
    QCOMPARE(splash.result(), int(QDialog::Accepted));
  }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
