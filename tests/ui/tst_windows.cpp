// A gamemaster handling several warriors: one window per file, files changed on disk, closed
// windows told, the Warriors menu, Duplicate, number fields and the gear lists redrawn whole.
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QMenu>
#include <QProcess>
#include <QStatusBar>

#include "TestPaths.h"
#include "UiTestHelpers.h"
#include "core/app/DiskChange.h"
#include "core/app/SaveWarrior.h"
#include "ui/FileWatch.h"

using namespace dk;
using namespace dk::test;

class WindowsTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  QString path(const QString& name) const { return dir_.filePath(name); }
  static QAction* action(QObject* owner, const char* name) {
    return owner->findChild<QAction*>(name);
  }
  static void name(ui::WarriorWindow* w, const QString& text) {
    child<QLineEdit>(w, "txtName")->setText(text);
  }

 private slots:
  void aFileOpensInOneWindowAndIsNotOverwrittenUnasked() {
    ScriptedFrame s;
    auto* kira = s.newWarrior();
    name(kira, "Kira Valdane");
    s.files.answers << "";  // the Save chooser is cancelled: it offered the name
    QVERIFY(!kira->save(false));
    QCOMPARE(s.files.asked.last(), QString("save Kira Valdane.war"));
    s.files.answers << path("kira.war");
    QVERIFY(kira->save(false));
    s.newWarrior();
    // Open, twice at once: the window that shows the file comes to the front instead.
    s.files.answers << path("kira.war") + "\n" + path("kira.war");
    action(&s.frame, "mnuOpen")->trigger();
    QCOMPARE(s.frame.warriorWindows().size(), 2);
    QCOMPARE(s.frame.activeWarriorWindow(), kira);

    // Another program writes the file: the next save asks, and No keeps theirs.
    QTest::qWait(20);
    QFile other(path("kira.war"));
    QVERIFY(other.open(QIODevice::Append));
    other.write("\r\n");
    other.close();
    name(kira, "Kira Valdane II");
    s.prompter.yesNoAnswers = {false};
    action(kira, "mnuSave")->trigger();
    QCOMPARE(s.prompter.texts().back(), changedOnDiskQuestion(path("kira.war").toStdString()));
    QVERIFY(kira->modified());

    // Closed with its changes: the status line says how to get it back; the copy comes back
    // without its file while the file is open again in a window.
    action(kira, "mnuClose")->trigger();
    QTRY_COMPARE(s.frame.warriorWindows().size(), 1);
    QCOMPARE(
        s.frame.statusBar()->currentMessage(),
        QString::fromUtf8("\u201cKira Valdane II\u201d was closed with unsaved changes: File > "
                          "Reopen Closed Warrior (Ctrl+Shift+T) brings it back."));
    s.frame.openWarriorFiles({path("kira.war")});
    auto* copy = s.frame.reopenClosedWarrior();
    QVERIFY(copy);
    QCOMPARE(copy->warrior().name, std::string("Kira Valdane II"));
    QVERIFY(copy->warrior().filePath.empty());
    QVERIFY(s.frame.statusBar()->currentMessage().contains("came back without its file"));
  }

  // Another program changes an open file: a window without changes reads it again and says so,
  // one with changes asks once for a burst of writes and No keeps them, Open offers the file
  // again, our own save asks nothing, and a file gone leaves the window unsaved.
  void aFileChangedOnDiskIsReadAgainOrAskedAboutOnce() {
    ScriptedFrame s;
    auto* kira = s.newWarrior();
    name(kira, "Kira Valdane");
    const QString file = path("watched.war");
    s.files.answers << file;
    QVERIFY(kira->save(false));
    const auto questions = [&] {
      return std::count_if(s.prompter.log.begin(), s.prompter.log.end(),
                           [](const Exchange& e) { return e.kind == Exchange::Question; });
    };
    const auto settled = [] { QTest::qWait(3 * ui::WarriorFileWatch::kSettleMilliseconds); };
    // An editor's save: a new file renamed over the old one.
    QFile old(file);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QByteArray bytes = old.readAll();
    old.close();
    QVERIFY(writeFile(file + ".new", bytes.replace("Kira Valdane", "Kira Valdane II")));
    QCOMPARE(std::rename(qPrintable(file + ".new"), qPrintable(file)), 0);
    QTRY_COMPARE(kira->warrior().name, std::string("Kira Valdane II"));
    QCOMPARE(s.frame.statusBar()->currentMessage().toStdString(), reloadedNote("Kira Valdane II"));

    kira->run(commands::raiseAttribute(kBLD));
    s.prompter.yesNoAnswers = {false, true};
    for (int i = 0; i < 3; ++i) {
      QVERIFY(old.open(QIODevice::Append));
      old.write("\r\n");
      old.close();
    }
    QTRY_COMPARE(questions(), 1);
    QCOMPARE(QString::fromStdString(s.prompter.log.back().text),
             QString::fromUtf8("\u201cKira Valdane II\u201d has changed on disk. Reload it and "
                               "lose your changes here?"));
    settled();
    QCOMPARE(questions(), 1);
    QVERIFY(kira->modified());
    s.frame.openWarriorFiles({file});  // Yes
    QCOMPARE(questions(), 2);
    QVERIFY(!kira->modified());

    kira->run(commands::raiseAttribute(kBLD));
    QVERIFY(kira->save(false));
    settled();
    QCOMPARE(questions(), 2);
    QVERIFY(QFile::remove(file));
    QTRY_VERIFY(kira->modified());
    QCOMPARE(kira->warrior().name, std::string("Kira Valdane II"));
  }

  void theWarriorsMenuNamesSlotsArrangesAndDuplicates() {
    ScriptedFrame s;
    auto* one = s.newWarrior();
    name(one, "Kira Valdane");
    action(one, "mnuDuplicate")->trigger();
    QCOMPARE(s.frame.warriorWindows().size(), 2);
    auto* two = s.frame.warriorWindows()[1];
    QCOMPARE(two->property("tag").toString(), QString("2"));
    QCOMPARE(two->warrior().name, std::string("Kira Valdane"));
    QVERIFY(two->warrior().filePath.empty());
    QVERIFY(two->modified());

    subWindowOf(two)->showMaximized();
    QMenu* menu = two->warriorsMenu();
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction* a : menu->actions())
      if (a->objectName().startsWith("mnuWarrior_")) texts << a->text();
    QCOMPARE(texts, (QStringList{"&1 Kira Valdane", "&2 Kira Valdane"}));
    action(two, "mnuWarrior_1")->trigger();
    QCOMPARE(s.frame.activeWarriorWindow(), one);
    QVERIFY(subWindowOf(one)->isMaximized());  // the windows stay maximised
    action(one, "mnuTile")->trigger();
    QVERIFY(!subWindowOf(one)->isMaximized());
    action(one, "mnuCloseAll")->trigger();
    QTRY_COMPARE(s.frame.warriorWindows().size(), 0);
  }

  // The area would repaint the frame of every window on each activation, so that a New grew
  // slower with every window open; only the two windows whose state changes are painted now,
  // and no window is left without its updates.
  void activationPaintsOnlyTheWindowsWhoseStateChanges() {
    ScriptedFrame s;
    QList<QMdiSubWindow*> subs;
    for (int i = 0; i < 3; ++i) subs << subWindowOf(s.newWarrior());
    QApplication::processEvents();
    struct Paints : QObject {
      QMap<QObject*, int> count;
      bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++count[o];
        return false;
      }
    } paints;
    for (QMdiSubWindow* sub : subs) sub->installEventFilter(&paints);
    subs << subWindowOf(s.newWarrior());
    QTRY_VERIFY(paints.count.value(subs[2]) > 0);  // the one active before, now inactive
    QCOMPARE(paints.count.value(subs[0]), 0);
    QCOMPARE(paints.count.value(subs[1]), 0);
    paints.count.clear();
    subs[3]->installEventFilter(&paints);
    subs[0]->widget()->findChild<QLineEdit*>("txtName")->setFocus();  // a click into the first
    QTRY_COMPARE(s.frame.activeWarriorWindow(), subs[0]->widget());
    QTRY_VERIFY(paints.count.value(subs[3]) > 0 && paints.count.value(subs[0]) > 0);
    for (QMdiSubWindow* sub : subs) QVERIFY(sub->updatesEnabled());
  }

  void numberFieldsTakeDigitsAndAFileShowsWhatItHolds() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    auto* edge = child<QLineEdit>(w, "txtEdge");
    edge->clear();
    QTest::keyClicks(edge, "1a-2.5");
    QCOMPARE(edge->text(), QString("125"));
    for (const char* refused : {"abc", "40000", " 7"}) {
      edge->selectAll();
      QApplication::clipboard()->setText(refused);
      edge->paste();
      QCOMPARE(edge->text(), QString("125"));
    }
    edge->selectAll();
    QApplication::clipboard()->setText("32767");
    edge->paste();
    QCOMPARE(w->warrior().edge, std::string("32767"));
    QVERIFY(child<QLineEdit>(w, "txtHeight")->validator() == nullptr);  // free text stays free

    // A file with other text there opens and shows it unchanged.
    w->warrior().edgeUsed = "three";
    s.files.answers << path("text.war");
    QVERIFY(w->save(false));
    QVERIFY(QFile::copy(path("text.war"), path("text-copy.war")));
    auto* opened = s.frame.openWarriorFiles({path("text-copy.war")}).value(0);
    QVERIFY(opened);
    QCOMPARE(field(opened, "txtEdgeUsed"), QString("three"));

    // Ctrl+Y in a field redoes its own typing, not the window's step.
    auto* rank = child<QLineEdit>(w, "txtRank");
    rank->setFocus();
    QTRY_VERIFY(rank->hasFocus());
    QTest::keyClicks(rank, "Major");
    QTest::keyClick(rank, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(rank->text(), QString());
    QTest::keyClick(rank, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(rank->text(), QString("Major"));
  }

  void theGearListShowsTheRecordsRowsAtOnce() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    w->tabs()->setCurrentIndex(5);
    auto* owned = child<QTreeWidget>(w, "lvWeap");
    const auto shown = [&] {
      QStringList rows;
      for (int i = 0; i < owned->topLevelItemCount(); ++i)
        rows << owned->topLevelItem(i)->text(0) + " " + owned->topLevelItem(i)->text(1);
      rows.sort();
      QStringList record;
      for (const GearEntry& g : w->warrior().weapons)
        record << QString::fromStdString(g.name + " " + g.quantity);
      record.sort();
      return rows == record ? QString() : rows.join(", ") + " | " + record.join(", ");
    };
    for (const char* weapon : {"Halloran Compact", "Halloran Compact", "Vesk 9 Snub Revolver"}) {
      clickRow(w, "lstWeapList", weapon);
      click(w, "cmdAddWeap");
    }
    QCOMPARE(shown(), QString());
    owned->sortByColumn(0, Qt::DescendingOrder);
    for (const char* weapon : {"Vesk 9 Snub Revolver", "Halloran Compact", "Halloran Compact"}) {
      clickRow(w, "lvWeap", weapon);
      click(w, "cmdRemWeap");
      QCOMPARE(shown(), QString());
    }
    QCOMPARE(owned->topLevelItemCount(), 0);
  }

  void aHouseWeaponIsBoughtSavedAndKeptWhereItsCatalogueIsGone() {
    QTemporaryDir house;
    QVERIFY(writeFile(house.filePath("weapons.dat"), "Start Exotic\nArc Caster,300,0\n"));
    OwnPlaces own;
    FakePrompter prompter;
    FakeFileChooser files;
    ui::FramePlaces places = own.places(DRAKKENFOLD_DATA);
    places.catalogueFolders = {house.path().toStdString()};
    auto table = std::make_unique<ui::MainFrame>(prompter, files, places);
    auto* w = table->newWarrior();
    w->tabs()->setCurrentIndex(5);
    clickRow(w, "lstWeapList", "Arc Caster");
    click(w, "cmdAddWeap");
    files.answers << path("house.war");
    QVERIFY(w->save(false));
    table.reset();
    QFile saved(path("house.war"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    saved.close();

    // At another table: the row is kept, marked, said once, and saved back as it was.
    ScriptedFrame s;
    auto* opened = s.frame.openWarriorFiles({path("house.war")}).value(0);
    QVERIFY(opened);
    auto* owned = child<QTreeWidget>(opened, "lvWeap");
    QCOMPARE(owned->topLevelItemCount(), 1);
    QCOMPARE(owned->topLevelItem(0)->toolTip(1), QString("Not in the catalogues here"));
    QCOMPARE(owned->topLevelItem(0)->toolTip(0),
             owned->topLevelItem(0)->text(0) + "\nNot in the catalogues here");
    QVERIFY(s.frame.statusBar()->currentMessage().contains("not in the catalogues here"));
    QVERIFY(opened->save(false));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), bytes);
  }

  void exportWithTemplateOffersEveryTemplateAndWritesOrTellsTheMistake() {
    QVERIFY(QDir(path("own")).mkpath("drakkenfold/templates"));
    QVERIFY(writeFile(path("own/drakkenfold/templates/forum.md.mustache"), "**{{name}}**\n"));
    QVERIFY(writeFile(path("own/drakkenfold/templates/broken.mustache"), "{{#skills}}\n"));
    OwnPlaces own;
    FakePrompter prompter;
    FakeFileChooser files;
    ui::FramePlaces places = own.places(DRAKKENFOLD_DATA);
    places.catalogueFolders = {path("own/drakkenfold/catalogues").toStdString()};
    ui::MainFrame frame(prompter, files, places);
    frame.show();
    QVERIFY(!action(&frame, "mnuExportAllTemplate")->isEnabled());
    auto* kira = frame.newWarrior();
    name(kira, "Kira | Valdane");
    name(frame.newWarrior(), "Ortega");
    const auto written = [this](const char* file) {
      QFile f(path(file));
      return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString("(none)");
    };
    files.answers << "forum" << path("kira.md");
    action(kira, "mnuExportTemplate")->trigger();
    QCOMPARE(files.asked.mid(files.asked.size() - 2),
             (QStringList{"template broken,forum,html,markdown,text", "export Kira _ Valdane.md"}));
    QCOMPARE(written("kira.md"), QString("**Kira \\| Valdane**\n"));
    files.answers << "forum" << path("all.md");
    action(kira, "mnuExportAllTemplate")->trigger();
    QCOMPARE(files.asked.last(), QString("export Warriors.md"));
    QCOMPARE(written("all.md"), QString("**Kira \\| Valdane**\n**Ortega**\n"));
    // A mistake is told in one box before a file is asked for.
    files.answers << "broken";
    action(kira, "mnuExportTemplate")->trigger();
    QCOMPARE(files.asked.last(), QString("template broken,forum,html,markdown,text"));
    QCOMPARE(QString::fromStdString(prompter.log.back().text),
             path("own/drakkenfold/templates/broken.mustache") + ":1: {{#skills}} is never closed");
  }

  void theWholeTableIntoOnePdfAndARosterThatFollowsEveryChange() {
    ScriptedFrame s;
    QVERIFY(!action(&s.frame, "mnuExportAllPdf")->isEnabled());
    auto* kira = s.newWarrior();
    name(kira, "Kira Valdane");
    auto* ortega = s.newWarrior();
    name(ortega, "Ortega");
    QVERIFY(action(&s.frame, "mnuExportAllPdf")->isEnabled());
    s.files.answers << path("table.pdf");
    action(ortega, "mnuExportAllPdf")->trigger();
    QCOMPARE(s.files.asked.last(), QString("pdf Warriors.pdf"));
    QProcess text;
    text.start("pdftotext", {path("table.pdf"), "-"});
    QVERIFY(text.waitForFinished(20000));
    const QString pages = text.readAll();
    QCOMPARE(pages.count('\f'), 2);  // each on a page of its own, in the Warriors menu's order
    QVERIFY(pages.indexOf("Kira Valdane") < pages.indexOf("Ortega"));

    action(kira, "mnuRoster")->trigger();
    auto* roster = child<QTreeWidget>(&s.frame, "lvRoster");
    QCOMPARE(roster->topLevelItemCount(), 2);
    const auto cell = [&](const QString& who, int column) {
      for (int i = 0; i < roster->topLevelItemCount(); ++i)
        if (roster->topLevelItem(i)->text(0) == "Warrior: " + who)
          return roster->topLevelItem(i)->text(column);
      return QString("(none)");
    };
    QCOMPARE(cell("Ortega", 6), QString("200"));
    ortega->tabs()->setCurrentIndex(5);
    clickRow(ortega, "lstWeapList", "Halloran Compact");
    click(ortega, "cmdAddWeap");
    QCOMPARE(cell("Ortega", 7), QString("45"));  // the asset worth follows the buy
    QCOMPARE(cell("Ortega", 8), QString("Unsaved"));
    s.files.answers << path("ortega.war");
    QVERIFY(ortega->save(false));
    QCOMPARE(cell("Ortega", 8), QString("Saved"));
    QCOMPARE(cell("Kira Valdane", 9), QString("legal"));
    action(kira, "mnuClose")->trigger();
    QTRY_COMPARE(roster->topLevelItemCount(), 1);
  }

  void theCatalogueFolderIsMadeWithItsReadmeAndShown() {
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    QDesktopServices::setUrlHandler("file", this, "opened");
    ScriptedFrame s;
    action(s.newWarrior(), "mnuCatalogueFolder")->trigger();
    QDesktopServices::unsetUrlHandler("file");
    qunsetenv("XDG_DATA_HOME");
    const QString folder = home.filePath("drakkenfold/catalogues");
    QCOMPARE(openedUrls_, QList<QUrl>{QUrl::fromLocalFile(folder)});
    QVERIFY(QFile::exists(folder + "/README.txt"));
    QVERIFY(s.prompter.log.empty());
  }

  void cleanup() { disarmBoxWatchers(); }

 public slots:
  void opened(const QUrl& url) { openedUrls_ << url; }

 private:
  QList<QUrl> openedUrls_;
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  WindowsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_windows.moc"
