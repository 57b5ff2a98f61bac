// Undo and redo through the warrior window's Edit menu, and the modified marker of the frame.
#include <QLabel>
#include <QScrollBar>

#include "UiTestHelpers.h"

using namespace dk;
using namespace dk::test;

class UndoTest : public QObject {
  Q_OBJECT

  static QAction* action(ui::WarriorWindow* w, const char* name) {
    return w->findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
  }
  static QString undoText(ui::WarriorWindow* w) { return action(w, "mnuUndo")->text(); }

 private slots:
  void aPriorityResetThatWipedTheSkillsIsUndoneAndRedone() {
    ScriptedFrame s;
    auto* w = s.skillsWarrior();
    s.prompter.packageAnswers = {1};
    click(w, "cmdAddPackage");
    const Warrior trained = w->warrior();
    QVERIFY(!trained.innerSphere().skills.empty());

    s.prompter.yesNoAnswers = {true};
    child<QScrollBar>(w, "vsPSkl")->setValue(3);
    QVERIFY(w->warrior().innerSphere().skills.empty());
    QCOMPARE(undoText(w), QString("&Undo Skills Priority"));
    QVERIFY(!action(w, "mnuRedo")->isEnabled());

    const std::size_t said = s.prompter.log.size();
    action(w, "mnuUndo")->trigger();
    QVERIFY(w->warrior() == trained);  // skills, levels, rolls, pool, bar: all of it
    QCOMPARE(child<QTreeWidget>(w, "lvSkillsIS")->topLevelItemCount(),
             static_cast<int>(trained.innerSphere().skills.size()));
    QCOMPARE(child<QScrollBar>(w, "vsPSkl")->value(), 2);
    QCOMPARE(s.prompter.log.size(), said);  // nothing asked again
    QCOMPARE(action(w, "mnuRedo")->text(), QString("&Redo Skills Priority"));

    action(w, "mnuRedo")->trigger();
    QVERIFY(w->warrior().innerSphere().skills.empty());
    QCOMPARE(child<QListWidget>(w, "lstPointsIS")->count(), 20);
  }

  void aCancelledDialogAndARefusedBuyMakeNoStep() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    click(w, "cmdBldUp");
    QCOMPARE(undoText(w), QString("&Undo Raise Build"));
    s.prompter.planetAnswers = {std::nullopt};
    click(w, "cmdPlanets");
    w->tabs()->setCurrentIndex(6);
    clickRow(w, "lstEqptList", "Hardshell Full Suit");  // dearer than the purse
    click(w, "cmdAddEqpt");
    QCOMPARE(s.prompter.texts().back(), std::string("Not enough C-Bills."));
    QCOMPARE(undoText(w), QString("&Undo Raise Build"));
  }

  void twoHundredStepsGoBackToTheNewWarrior() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    const Warrior fresh = w->warrior();
    for (int i = 0; i < 200; ++i) click(w, i % 10 < 5 ? "cmdChaUp" : "cmdChaDown");
    QCOMPARE(w->document().history().steps(), 200u);
    for (int i = 0; i < 200; ++i) action(w, "mnuUndo")->trigger();
    QVERIFY(!action(w, "mnuUndo")->isEnabled());
    QVERIFY(w->warrior() == fresh);
  }

  void typingIsOneStepAndTheMarkerFollowsTheSavedState() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    auto* marker = child<QLabel>(&s.frame, "lblModified");
    QCOMPARE(marker->text(), QString());
    auto* name = child<QLineEdit>(w, "txtName");
    name->setFocus();
    QTest::keyClicks(name, "Kai");
    QCOMPARE(undoText(w), QString("&Undo Edit Name"));
    QCOMPARE(marker->text(), QString("Unsaved changes"));
    QCOMPARE(w->windowTitle(), QString("Warrior: Kai"));  // the caption carries no marker
    s.files.answers << s.own.folder.filePath("kai.war");
    QVERIFY(w->save(false));
    QCOMPARE(marker->text(), QString());
    click(w, "cmdBldUp");
    QCOMPARE(marker->text(), QString("Unsaved changes"));
    action(w, "mnuUndo")->trigger();  // back to what was saved
    QCOMPARE(marker->text(), QString());
    action(w, "mnuUndo")->trigger();  // the typing goes as one step, the file stays
    QCOMPARE(name->text(), QString());
    QCOMPARE(QString::fromStdString(w->warrior().filePath), s.own.folder.filePath("kai.war"));
  }
};

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
