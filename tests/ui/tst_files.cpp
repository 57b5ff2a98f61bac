// Saving and opening warriors: once through the real file choosers, then through choosers and a
// user that answer at once.
#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "UiTestHelpers.h"

using namespace dk;
using namespace dk::test;
using Texts = std::vector<std::string>;

namespace {
// What the last file chooser offered, checked by the tests after it closed.
QString seenChooserName;
QStringList seenChooserFilters;

void answerFileDialog(const QString& path, bool accept = true) {
  whenModal<QFileDialog>([path, accept](QFileDialog* dialog) {
    seenChooserName = dialog->objectName();
    seenChooserFilters = dialog->nameFilters();
    if (!accept) {
      dialog->reject();
      return;
    }
    // Typed as a user would: the whole path into the name box, then the chooser's own button.
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
    if (!name || !buttons) {
      dialog->reject();
      return;
    }
    name->setText(path);
    QPushButton* ok =
        buttons->button(dialog->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save
                                                                        : QDialogButtonBox::Open);
    if (ok)
      ok->click();
    else
      dialog->reject();
  });
}

// Everything a page shows, by object name, for comparing two windows.
QMap<QString, QString> shownValues(QWidget* w) {
  QMap<QString, QString> out;
  for (auto* e : w->findChildren<QLineEdit*>())
    if (!e->objectName().isEmpty() && !e->objectName().startsWith("qt_"))
      out["edit " + e->objectName()] = e->text();
  for (auto* c : w->findChildren<QComboBox*>()) out["combo " + c->objectName()] = c->currentText();
  for (auto* l : w->findChildren<QLabel*>())
    if (l->objectName().startsWith("lbl")) out["label " + l->objectName()] = l->text();
  for (auto* t : w->findChildren<QPlainTextEdit*>())
    out["text " + t->objectName()] = t->toPlainText();
  for (auto* b : w->findChildren<QCheckBox*>())
    out["tick " + b->objectName()] = QString::number(b->isChecked()) + (b->isHidden() ? "h" : "");
  for (auto* v : w->findChildren<QTreeWidget*>()) {
    QStringList rows;
    for (int i = 0; i < v->topLevelItemCount(); ++i) {
      QStringList cells;
      for (int c = 0; c < v->columnCount(); ++c) cells << v->topLevelItem(i)->text(c);
      rows << cells.join("|");
    }
    out["list " + v->objectName()] = rows.join(";");
  }
  for (auto* l : w->findChildren<QListWidget*>())
    out["pool " + l->objectName()] = QString::number(l->count());
  for (auto* b : w->findChildren<QScrollBar*>())
    if (b->objectName().startsWith("vsP"))
      out["bar " + b->objectName()] = QString("%1/%2").arg(b->value()).arg(b->maximum());
  for (auto* b : w->findChildren<QPushButton*>())
    if (b->objectName().startsWith("cmd"))
      out["button " + b->objectName()] = QString::number(b->isEnabled());
  return out;
}
}  // namespace

class FilesTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;

  QString path(const char* name) { return dir_.filePath(name); }

 private slots:
  void cleanup() { disarmBoxWatchers(); }
  void saveThenOpenFromTheFrameShowsTheSameWarrior() {
    RealFrame real;
    ui::MainFrame& frame = real.frame;
    auto* w = frame.newWarrior();
    child<QLineEdit>(w, "txtName")->setText(QString::fromUtf8("Zo\u00eb, the Second"));
    child<QLineEdit>(w, "txtRank")->setText("Star Captain");
    child<QComboBox>(w, "cboAffil")->setCurrentIndex(14);
    child<QComboBox>(w, "cboSex")->setCurrentIndex(1);
    child<QPlainTextEdit>(w, "txtNotes")->setPlainText("first line\nsecond \"quoted\" line\n");
    child<QScrollBar>(w, "vsPAtt")->setValue(2);
    child<QScrollBar>(w, "vsPBM")->setValue(3);
    child<QLineEdit>(w, "txtVP")->setText("Marauder");
    child<QAbstractButton>(w, "cmdBldUp")->click();
    child<QAbstractButton>(w, "cmdBldUp")->click();
    child<QAbstractButton>(w, "cmdFillDam_3")->click();
    child<QAbstractButton>(w, "cmdAddRacialMods")->click();

    auto* saveAs = w->findChild<QAction*>("mnuSaveAs");
    QVERIFY(!saveAs->isEnabled());
    answerFileDialog(path("zoe.war"));
    w->findChild<QAction*>("mnuSave")->trigger();
    QVERIFY(QFile::exists(path("zoe.war")));
    QCOMPARE(seenChooserName, QString("CD1"));
    QCOMPARE(seenChooserFilters, (QStringList{"Warriors (*.war)", "All (*.*)"}));
    QVERIFY(saveAs->isEnabled());
    QCOMPARE(QString::fromStdString(w->warrior().filePath), path("zoe.war"));

    // A copy: the saved file itself would only bring its window to the front.
    QVERIFY(QFile::copy(path("zoe.war"), path("zoe-copy.war")));
    answerFileDialog(path("zoe-copy.war"));
    frame.findChild<QAction*>("mnuOpen", Qt::FindDirectChildrenOnly)->trigger();
    QCOMPARE(seenChooserName, QString("CD1"));
    QCOMPARE(seenChooserFilters, (QStringList{"Warriors (*.war)", "All (*.*)"}));
    QCOMPARE(frame.warriorWindows().size(), 2);
    auto* opened = frame.warriorWindows()[1];
    QCOMPARE(opened->property("tag").toString(), QString("2"));
    QCOMPARE(opened->windowTitle(), QString::fromUtf8("Warrior: Zo\u00eb, the Second"));
    QVERIFY(!opened->findChild<QAction*>("mnuSaveAs")->isEnabled());

    // Every page shows the same: bars, level texts, pools, money and buttons.
    auto before = shownValues(w);
    auto after = shownValues(opened);
    QCOMPARE(after.keys(), before.keys());
    for (const QString& key : before.keys())
      QCOMPARE(key + "=" + after[key], key + "=" + before[key]);

    // Saving the opened warrior writes the same bytes to the same place.
    QFile first(path("zoe-copy.war"));
    QVERIFY(first.open(QIODevice::ReadOnly));
    const QByteArray bytes = first.readAll().replace("zoe.war", "zoe-copy.war");
    first.close();
    opened->findChild<QAction*>("mnuSave")->trigger();  // no dialog: it has a path
    QFile again(path("zoe-copy.war"));
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll().split('\n'), bytes.split('\n'));
  }

  void bothOpensGiveTheWarriorAsSavedWithoutFreePoints() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* w = frame.newWarrior();
    child<QScrollBar>(w, "vsPSkl")->setValue(2);
    child<QScrollBar>(w, "vsPRace")->setValue(3);
    w->tabs()->setCurrentIndex(3);
    clickRow(w, "lvSkillLst", "Blade");
    click(w, "cmdAddPt");
    click(w, "cmdAddPt");
    click(w, "cmdTransMoney");
    s.files.answers << path("levels.war");
    QVERIFY(w->save(false));
    const auto saved = shownValues(w);
    QCOMPARE(saved["pool lstPoints"], QString("13"));
    // Copies: the saved file itself would only bring its window to the front.
    QVERIFY(QFile::copy(path("levels.war"), path("levels-a.war")));
    QVERIFY(QFile::copy(path("levels.war"), path("levels-b.war")));
    s.files.answers << path("levels-a.war") << path("levels-b.war");
    w->findChild<QAction*>("mnuOpen")->trigger();
    frame.findChild<QAction*>("mnuOpen", Qt::FindDirectChildrenOnly)->trigger();
    QCOMPARE(frame.warriorWindows().size(), 3);
    for (auto* opened : frame.warriorWindows().mid(1)) {
      const auto shown = shownValues(opened);
      for (const QString& key : saved.keys())
        QCOMPARE(key + "=" + shown[key], key + "=" + saved[key]);
    }
  }

  void aFileOfAnotherVersionOrNoWarriorFileIsRefusedWithoutAWindow() {
    const auto write = [this](const char* name, const QByteArray& bytes) {
      QFile file(path(name));
      if (file.open(QIODevice::WriteOnly)) file.write(bytes);
      return path(name);
    };
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    const QString notes = write("notes.txt", "Shopping: rope, rations\n");
    const QString empty = write("empty.war", "");
    s.files.answers << write("old.war", "Version 1\r\nKai\r\n") << notes << empty;
    for (int i = 0; i < 3; ++i)
      frame.findChild<QAction*>("mnuOpen", Qt::FindDirectChildrenOnly)->trigger();
    QCOMPARE(s.prompter.texts(),
             (Texts{"Sorry, this was made in an earlier version of the Character Generator, you "
                    "cannot open this file.",
                    "The file \"" + notes.toStdString() + "\" is not a warrior file.",
                    "The file \"" + empty.toStdString() + "\" is not a warrior file."}));
    QCOMPARE(s.prompter.log[1].icon, MessageIcon::Information);
    QVERIFY(frame.warriorWindows().isEmpty());
    // No slot was used up: the next window is the first.
    QCOMPARE(frame.newWarrior()->property("tag").toString(), QString("1"));
  }

  void aDamagedFileIsNamedInOneMessageAndOpensNothing() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* w = frame.newWarrior();
    s.files.answers << path("whole.war");
    QVERIFY(w->save(false));
    QFile whole(path("whole.war"));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    QByteArray bytes = whole.readAll();
    whole.close();
    bytes.replace("START ADV", "START ADV");  // keep the start marker
    bytes.replace("STOP ADV\r\n", "");        // lose the stop marker
    QFile broken(path("broken.war"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(bytes);
    broken.close();

    s.files.answers << path("broken.war");
    w->findChild<QAction*>("mnuOpen")->trigger();
    QCOMPARE(s.prompter.log.size(), 1u);
    const QString said = QString::fromStdString(s.prompter.log[0].text);
    QVERIFY2(said.contains(path("broken.war")) && said.contains("line"), qPrintable(said));
    QCOMPARE(frame.warriorWindows().size(), 1);
    QCOMPARE(frame.newWarrior()->property("tag").toString(), QString("2"));
  }

  void aSaveThatCannotBeWrittenSaysWhyAndChangesNothing() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* w = frame.newWarrior();
    const QString target = path("no-such-folder/kai.war");
    s.files.answers << target;
    QVERIFY(!w->save(false));
    QVERIFY(QString::fromStdString(s.prompter.texts().at(0)).contains(target));
    QVERIFY(w->warrior().filePath.empty());
    QVERIFY(!w->findChild<QAction*>("mnuSaveAs")->isEnabled());
    QVERIFY(!QFile::exists(target));
  }

  void selectAllInATextFieldIsNotSaveAs() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    auto* w = frame.newWarrior();
    s.files.answers << path("keys.war");
    QVERIFY(w->save(false));
    QVERIFY(w->findChild<QAction*>("mnuSaveAs")->isEnabled());
    QApplication::setActiveWindow(&frame);
    auto* name = child<QLineEdit>(w, "txtName");
    name->setFocus();
    QTRY_VERIFY(name->hasFocus());
    QTest::keyClicks(name, "Aidan");
    // Were Ctrl+A taken for Save As, the chooser would be asked.
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(s.files.asked, QStringList{"save "});
    QCOMPARE(name->selectedText(), QString("Aidan"));
    // Ctrl+S is no editing key: it saves, to the file the warrior already has.
    QTest::keyClick(name, Qt::Key_S, Qt::ControlModifier);
    QFile saved(path("keys.war"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("\r\nAidan\r\n"));
  }

  void aPastePastTheNotesLimitIsRefusedAndTheWarriorStillOpens() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* w = frame.newWarrior();
    auto* notes = child<QPlainTextEdit>(w, "txtNotes");
    notes->setPlainText("Owes Tomas 300 C-Bills.");
    notes->moveCursor(QTextCursor::End);

    // A large paste is refused as it is made, and the notes keep what they had.
    QApplication::clipboard()->setText(QString(17 * 1024 * 1024, QChar('x')));
    notes->paste();
    QCOMPARE(s.prompter.texts(),
             Texts{"The notes cannot take this text: they would grow to 17.1 MiB, and a warrior "
                   "file holds at most 8.0 MiB of notes. The notes are as they were."});
    QCOMPARE(s.prompter.log[0].icon, MessageIcon::Information);
    QCOMPARE(notes->toPlainText(), QString("Owes Tomas 300 C-Bills."));
    QCOMPARE(w->warrior().notes, std::string("Owes Tomas 300 C-Bills."));

    // An ordinary paste goes in, and the warrior saves and opens again with it.
    QApplication::clipboard()->setText("\nTrusts nobody.");
    notes->paste();
    QApplication::clipboard()->clear();
    s.files.answers << path("notes.war");
    QVERIFY(w->save(false));
    QVERIFY(QFile::copy(path("notes.war"), path("copy-notes.war")));  // the file itself is open
    s.files.answers << path("copy-notes.war");
    frame.findChild<QAction*>("mnuOpen", Qt::FindDirectChildrenOnly)->trigger();
    QCOMPARE(frame.warriorWindows().size(), 2);
    QCOMPARE(child<QPlainTextEdit>(frame.warriorWindows()[1], "txtNotes")->toPlainText(),
             QString("Owes Tomas 300 C-Bills.\nTrusts nobody."));
  }

  void notesRightUpToTheLimitSaveAndOpenAgain() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* w = frame.newWarrior();
    // Lines of 100 characters and their line ends, up to the last byte the notes may take.
    const QString line = QString(98, QChar('y'));
    constexpr int kLimit = 8 * 1024 * 1024;
    QString text;
    text.reserve(kLimit);
    for (int i = 0; i < kLimit / 100; ++i) text += line + "\n";  // 100 bytes each in the file
    text += QString(kLimit % 100, QChar('z'));
    auto* notes = child<QPlainTextEdit>(w, "txtNotes");
    QApplication::clipboard()->setText(text);
    notes->paste();  // no message: it fits exactly
    QApplication::clipboard()->clear();
    QCOMPARE(w->warrior().notes.size(), static_cast<std::size_t>(text.size()));

    // One more character typed at the limit is refused too; the box keeps what the record has.
    QTest::keyClick(notes, Qt::Key_Q);
    QVERIFY(s.prompter.texts().at(0).rfind("The notes cannot take this text", 0) == 0);
    QCOMPARE(notes->toPlainText().size(), text.size());
    QCOMPARE(w->warrior().notes.size(), static_cast<std::size_t>(text.size()));

    s.files.answers << path("full-notes.war");
    QVERIFY(w->save(false));
    QVERIFY(QFile::copy(path("full-notes.war"),
                        path("copy-full-notes.war")));  // the file itself is open
    s.files.answers << path("copy-full-notes.war");
    frame.findChild<QAction*>("mnuOpen", Qt::FindDirectChildrenOnly)->trigger();
    QCOMPARE(frame.warriorWindows().size(), 2);
    QVERIFY(frame.warriorWindows()[1]->warrior().notes == w->warrior().notes);
  }

  void aWarriorTooLargeForItsFileIsRefusedBeforeAnythingIsWritten() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* w = frame.newWarrior();
    // More than the notes box takes, as a record filled some other way could hold.
    w->warrior().notes = std::string(17u * 1024 * 1024, 'x');
    s.files.answers << path("huge.war");
    QVERIFY(!w->save(false));
    QCOMPARE(QString::fromStdString(s.prompter.texts().at(0)),
             "The warrior could not be saved to \"" + path("huge.war") +
                 "\": the warrior file would be 17.1 MiB, 17.0 MiB of it notes, and a warrior "
                 "file holds at most 16.0 MiB. Nothing was changed; any earlier file of that "
                 "name is as it was.");
    QVERIFY(!QFile::exists(path("huge.war")));
    QVERIFY(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).filter("huge").isEmpty());
    QVERIFY(w->warrior().filePath.empty());
    QVERIFY(!w->findChild<QAction*>("mnuSaveAs")->isEnabled());
  }

  void leavingAFieldShowsWhatItsFileWillGiveBack() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QApplication::setActiveWindow(&frame);
    auto* w = frame.newWarrior();
    auto* name = child<QLineEdit>(w, "txtName");
    auto* rank = child<QLineEdit>(w, "txtRank");
    name->setFocus();
    QTRY_VERIFY(name->hasFocus());
    QTest::keyClicks(name, "  Kai  Lee ");
    QCOMPARE(name->text(), QString("  Kai  Lee "));  // nothing is trimmed while typing
    rank->setFocus();
    QTRY_VERIFY(rank->hasFocus());
    QCOMPARE(name->text(), QString("Kai  Lee"));  // the blank between the words stays
    QCOMPARE(w->warrior().name, std::string("Kai  Lee"));
    QCOMPARE(w->windowTitle(), QString("Warrior: Kai  Lee"));

    auto* affil = child<QComboBox>(w, "cboAffil")->lineEdit();
    affil->setFocus();
    QTRY_VERIFY(affil->hasFocus());
    affil->selectAll();
    QTest::keyClicks(affil, " Free Worlds ");
    QTest::keyClick(affil, Qt::Key_Return);
    QCOMPARE(w->warrior().affiliation, std::string("Free Worlds"));

    // The personal lines are read back as they stand, blanks and all.
    auto* height = child<QLineEdit>(w, "txtHeight");
    height->setFocus();
    QTRY_VERIFY(height->hasFocus());
    QTest::keyClicks(height, " 1.8 m ");
    name->setFocus();
    QTRY_VERIFY(name->hasFocus());
    QCOMPARE(height->text(), QString(" 1.8 m "));

    // Every field takes at most the longest line a warrior file holds.
    QCOMPARE(name->maxLength(), 32767);
    QCOMPARE(affil->maxLength(), 32767);

    // Saved with Ctrl+S while still in the field: the field shows what the file holds.
    s.files.answers << path("blanks.war");
    QVERIFY(w->save(false));
    QApplication::setActiveWindow(&frame);
    name->setFocus();
    QTRY_VERIFY(name->hasFocus());
    QTest::keyClicks(name, " ");
    QCOMPARE(name->text(), QString("Kai  Lee "));
    QTest::keyClick(name, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(name->text(), QString("Kai  Lee"));
    QCOMPARE(w->warrior().name, std::string("Kai  Lee"));
  }

  void cancellingTheChooserWritesNothing() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* w = frame.newWarrior();
    s.files.answers << path("kept.war");
    QVERIFY(w->save(false));
    // Save As cancelled: nothing written, the warrior keeps its file.
    s.files.answers << QString();
    QVERIFY(!w->save(true));
    QCOMPARE(QString::fromStdString(w->warrior().filePath), path("kept.war"));
    s.files.answers << QString();
    frame.findChild<QAction*>("mnuOpen", Qt::FindDirectChildrenOnly)->trigger();
    QCOMPARE(frame.warriorWindows().size(), 1);
  }
};

QTEST_MAIN(FilesTest)
#include "tst_files.moc"
