// Warrior files named on the command line (this is how a double-click in the file manager
// reaches the program), and the command line itself.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>

#include "TestPaths.h"
#include "UiTestHelpers.h"
#include "core/app/Version.h"
#include "core/files/WarriorFile.h"
#include "ui/CommandLine.h"

using namespace dk;
using namespace dk::test;

namespace {
QString fixture(const char* name) { return (QString(DRAKKENFOLD_FIXTURES) + "/") + name; }

QString copyOf(const QTemporaryDir& dir, const char* fixtureName, const char* as) {
  const QString target = dir.filePath(as);
  QFile::copy(fixture(fixtureName), target);
  return target;
}

struct Ran {
  int status = -1;
  QString out, err;
};
// The program run to its end without a display (or with the one given), in the fixtures' folder.
Ran run(const QStringList& arguments, const QString& display = {}) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
  if (!display.isEmpty()) env.insert("DISPLAY", display);
  QProcess program;
  program.setProcessEnvironment(env);
  program.setWorkingDirectory(DRAKKENFOLD_FIXTURES);
  program.start(DRAKKENFOLD_PROGRAM, arguments);
  if (!program.waitForFinished(20000) || program.exitStatus() != QProcess::NormalExit) return {};
  return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardOutput()),
          QString::fromLocal8Bit(program.readAllStandardError())};
}

QStringList captions(ui::MainFrame& frame) {
  QStringList out;
  for (auto* w : frame.warriorWindows()) out << w->windowTitle();
  return out;
}
}  // namespace

class CommandLineTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;

 private slots:
  void twoGoodFilesOpenTwoWindowsInOrder() {
    const QString kai = copyOf(dir_, "full_warrior.war", "kai.war");
    const QString blank = copyOf(dir_, "new_warrior.war", "blank.war");
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    const auto opened = frame.openWarriorFiles({kai, blank});
    QCOMPARE(opened.size(), 2);
    QCOMPARE(captions(frame), (QStringList{"Warrior: Kai, the Second", "Warrior: "}));
    QCOMPARE(opened[0]->property("tag").toString(), QString("1"));
    QCOMPARE(opened[1]->property("tag").toString(), QString("2"));
    QCOMPARE(QString::fromStdString(opened[0]->warrior().filePath), kai);
    // Opened as every Open opens: the bars stand on the stored levels.
    QCOMPARE(opened[0]->findChild<QScrollBar*>("vsPAtt")->value(), 3);
    QVERIFY(s.prompter.log.empty());
    // The frame keeps its own caption; the warrior's name is the caption of its window.
    frame.mdiArea()->setActiveSubWindow(subWindowOf(opened[0]));
    QCOMPARE(frame.windowTitle(), QString::fromUtf8(kAppTitle));
  }

  void aFileThatCannotBeOpenedGetsOneMessageAndTheOthersStillOpen() {
    const QString good = copyOf(dir_, "full_warrior.war", "good.war");
    const QString damaged = dir_.filePath("damaged.war");
    {
      QFile f(damaged);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("Version 2\r\nShort\r\n");
    }
    const QString older = dir_.filePath("older.war");
    {
      QFile f(older);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("Version 1\r\n");
    }
    const QString missing = dir_.filePath("nowhere.war");
    struct Case {
      const char* what;
      QStringList files;
      QString refused;
    } cases[] = {
        {"damaged", {damaged, good}, damaged},
        {"older version", {good, older}, older},
        {"missing", {missing, good}, missing},
    };
    for (const Case& c : cases) {
      // The very message the frame's Open gives for that file.
      const std::string path = c.refused.toStdString();
      const QString message =
          QString::fromStdString(openFailedMessage(openWarriorFile(path), path));
      ScriptedFrame s;
      ui::MainFrame& frame = s.frame;
      const auto opened = frame.openWarriorFiles(c.files);
      QVERIFY2(s.prompter.log.size() == 1, c.what);
      QVERIFY2(s.prompter.log[0].icon == MessageIcon::Information, c.what);
      QCOMPARE(QString::fromStdString(s.prompter.log[0].text), message);
      QVERIFY2(opened.size() == 1, c.what);
      QCOMPARE(captions(frame), QStringList{"Warrior: Kai, the Second"});
      // The refused file took no slot: the good one has the first.
      QCOMPARE(opened[0]->property("tag").toString(), QString("1"));
    }
  }

  void commandLineAnswersAsUsersExpect() {
    struct Case {
      QStringList arguments;
      bool run;
      int exitCode;
      QString outHas;
      QString errHas;
    } cases[] = {
        {{"drakkenfold"}, true, 0, {}, {}},
        {{"drakkenfold", "--help"}, false, 0, "Usage: drakkenfold [options] [FILE.war...]", {}},
        {{"drakkenfold", "-h"}, false, 0, "--version", {}},
        {{"drakkenfold", "--version"}, false, 0, "Drakkenfold Character Generator 1.3.0\n", {}},
        {{"drakkenfold", "--frobnicate", "a.war"},
         false,
         2,
         {},
         "Unknown option 'frobnicate'.\nUsage: drakkenfold [options] [FILE.war...]"},
        {{"drakkenfold", "-x"}, false, 2, {}, "Try 'drakkenfold --help'"},
        // --random: one line for each mistake, nothing else said.
        {{"drakkenfold", "--random", "0", "--out", "c"},
         false,
         2,
         {},
         "from 1 to 100000, not \"0\""},
        {{"drakkenfold", "--random", "100001", "--out", "c"}, false, 2, {}, "from 1 to 100000"},
        {{"drakkenfold", "--random", "3"}, false, 2, {}, "--out FOLDER"},
        {{"drakkenfold", "--random", "3", "--seed", "-4", "--out", "c"},
         false,
         2,
         {},
         "the seed must be a whole number from 0 to 18446744073709551615, not \"-4\"."},
        {{"drakkenfold", "--seed", "4"}, false, 2, {}, "--profile, --seed and --out go with"},
        {{"drakkenfold", "--random", "3", "--seed", "4", "--out", "c"}, true, 0, {}, {}},
        // Qt's own options stay Qt's; they are not files and not mistakes.
        {{"drakkenfold", "-platform", "offscreen", "-style", "Fusion", "-reverse"},
         true,
         0,
         {},
         {}},
    };
    for (const Case& c : cases) {
      const ui::CommandLine line = ui::readCommandLine(c.arguments, "/start");
      const QString what = c.arguments.join(' ');
      QVERIFY2(line.run == c.run, qPrintable(what));
      QVERIFY2(line.exitCode == c.exitCode, qPrintable(what));
      QVERIFY2(line.files.isEmpty(), qPrintable(what));
      QVERIFY2(c.outHas.isEmpty() ? line.out.isEmpty() : line.out.contains(c.outHas),
               qPrintable(what + ": " + line.out));
      QVERIFY2(c.errHas.isEmpty() ? line.err.isEmpty() : line.err.contains(c.errHas),
               qPrintable(what + ": " + line.err));
    }
    QVERIFY(ui::readCommandLine({"drakkenfold", "--help"}, "/").out.contains("--random <N>"));
    QCOMPARE(ui::readCommandLine({"drakkenfold", "--random", "1", "--seed", "9", "--out", "c"}, "/")
                 .randomFolder,
             QString("/c"));
    // --help never lists Qt's own options.
    QVERIFY(!ui::readCommandLine({"drakkenfold", "--help"}, "/").out.contains("platform"));
  }

  void filesAreTakenFromTheFolderTheProgramWasStartedIn() {
    // The program changes to its own folder at start-up, so every name is made absolute first.
    const ui::CommandLine line =
        ui::readCommandLine({"drakkenfold", "kai.war", "../other/zoe.war", "/abs/olaf.war",
                             "file:///home/u/My%20Warriors/ana.war", "--", "-dash.war"},
                            "/home/u/start");
    QVERIFY(line.run);
    QCOMPARE(line.files,
             (QStringList{"/home/u/start/kai.war", "/home/u/other/zoe.war", "/abs/olaf.war",
                          "/home/u/My Warriors/ana.war", "/home/u/start/-dash.war"}));
  }

  void checkSaysWhichFilesKeepTheRulesWithoutADisplay() {
    struct Case {
      QStringList arguments;
      int status;
      QString out, err;
    } cases[] = {
        {{"new_warrior.war"}, 0, "new_warrior.war: legal\n", {}},
        {{"new_warrior.war", "full_warrior.war"},
         1,
         "full_warrior.war: advantages: Edge is 2, more than the 1 every warrior has\n",
         {}},
        {{"nowhere.war", "new_warrior.war"},
         2,
         "new_warrior.war: legal\n",
         "The warrior file \"nowhere.war\" cannot be opened"},
        {{}, 2, {}, "--check needs at least one warrior file."},
    };
    for (const Case& c : cases) {
      const Ran ran = run(QStringList{"--check"} + c.arguments);
      const QString what = c.arguments.join(' ');
      QVERIFY2(ran.status == c.status, qPrintable(what));
      QVERIFY2(ran.out.contains(c.out), qPrintable(what));
      QVERIFY2(ran.err.contains(c.err), qPrintable(what));
    }
  }

  void randomWritesACrewWithoutADisplayOrNothingForAWrongProfile() {
    QTemporaryDir folder;
    const QString crew = folder.filePath("crew");
    const Ran made = run({"--random", "3", "--profile", "Scout", "--seed", "4711", "--out", crew});
    QCOMPARE(made.status, 0);
    QVERIFY2(made.out.contains("3 random warriors written"), qPrintable(made.out));
    QCOMPARE(QDir(crew).entryList({"*.war"}, QDir::Files).size(), 3);
    const Ran wrong = run({"--random", "3", "--profile", "Pirate", "--out", folder.filePath("x")});
    QCOMPARE(wrong.status, 2);
    QCOMPARE(wrong.err.count('\n'), 1);
    QVERIFY(!QDir(folder.filePath("x")).exists());
  }

  void pdfWritesEverySheetInOrderWithoutADisplayOrNothing() {
    QFile full(fixture("full_warrior.war"));
    QVERIFY(full.open(QIODevice::ReadOnly));
    const QByteArray bytes = full.readAll();
    QStringList files;
    for (const char* name : {"Zora Tal", "Arno Vey", "Mika Sorn"}) {
      files << dir_.filePath(QString(name) + ".war");
      QVERIFY(writeFile(files.last(), QByteArray(bytes).replace("Kai, the Second", name)));
    }
    const QString pdf = dir_.filePath("table.pdf");
    QCOMPARE(run(QStringList{"--pdf", pdf} + files).status, 0);
    QProcess info;
    info.start("pdfinfo", {pdf});
    QVERIFY(info.waitForFinished(20000));
    QVERIFY(QString(info.readAll()).contains(QRegularExpression("Pages: +3\n")));
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    QVERIFY(text.waitForFinished(20000));
    const QString said = text.readAll();
    QVERIFY(said.indexOf("Zora Tal") < said.indexOf("Arno Vey"));
    QVERIFY(said.indexOf("Arno Vey") < said.indexOf("Mika Sorn"));
    QVERIFY(said.indexOf("Zora Tal") >= 0);

    QVERIFY(QFile::remove(pdf));
    const Ran missing = run({"--pdf", pdf, files[0], "nowhere.war"});
    QCOMPARE(missing.status, 1);
    QVERIFY(missing.err.startsWith("The warrior file \"nowhere.war\" cannot be opened"));
    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(run({"--pdf", pdf, "--frobnicate", files[0]}).status, 2);
    QCOMPARE(run({"--pdf", pdf}).status, 2);
    QVERIFY(run({"--help"}).out.contains("--pdf <OUT.pdf>"));
  }

  void exportWritesThroughATemplateOrNothing() {
    QFile full(fixture("full_warrior.war"));
    QVERIFY(full.open(QIODevice::ReadOnly));
    const QByteArray bytes = full.readAll();
    QStringList files;
    for (const char* name : {"Zora <Tal>", "Arno Vey"}) {
      files << dir_.filePath(QString(name).remove('<').remove('>') + ".war");
      QVERIFY(writeFile(files.last(), QByteArray(bytes).replace("Kai, the Second", name)));
    }
    const auto written = [](const QString& path) {
      QFile f(path);
      return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString("(none)");
    };
    const QString out = dir_.filePath("table.html");
    QCOMPARE(run(QStringList{"--export", "html", out} + files).status, 0);
    const QString page = written(out);
    QCOMPARE(page.count("<article>"), 2);  // one page, both warriors, in the order given
    QVERIFY(page.indexOf("Zora &lt;Tal&gt;") >= 0 &&
            page.indexOf("Zora &lt;Tal&gt;") < page.indexOf("Arno Vey"));
    const QString md = dir_.filePath("table.md");
    QCOMPARE(run(QStringList{"--export", "markdown", md} + files).status, 0);
    QCOMPARE(written(md).count(QRegularExpression("^## ", QRegularExpression::MultilineOption)), 2);

    // A mistake in a template, an unknown template, an unreadable warrior: nothing written.
    const QString bad = dir_.filePath("bad.md.mustache");
    QVERIFY(writeFile(bad, "{{#skills}}\n{{nmae}}\n"));
    const Ran mistake = run(QStringList{"--export", bad, dir_.filePath("bad.md")} + files);
    QCOMPARE(mistake.status, 1);
    QCOMPARE(mistake.err,
             bad + ":2: unknown name \"nmae\"\n" + bad + ":1: {{#skills}} is never closed\n");
    QVERIFY(!QFile::exists(dir_.filePath("bad.md")));
    QCOMPARE(run(QStringList{"--export", "wiki", md} + files).status, 1);
    const Ran missing = run({"--export", "text", out, files[0], "nowhere.war"});
    QCOMPARE(missing.status, 1);
    QVERIFY(missing.err.startsWith("The warrior file \"nowhere.war\" cannot be opened"));
    QCOMPARE(written(out), page);  // the earlier file as it was
    QCOMPARE(run({"--export", "html", out}).status, 2);
    QCOMPARE(run(QStringList{"--export", "html", "--pdf", out} + files).status, 2);
    QVERIFY(run({"--help"}).out.contains("--export <TEMPLATE>"));
  }

  void aStartWithoutAUsableDisplaySaysSoInOneLine() {
    struct Case {
      QString display;  // empty: none set
      QString said;
    } cases[] = {
        {{}, "drakkenfold: cannot open a window: no display is set (DISPLAY, WAYLAND_DISPLAY).\n"},
        {":4917", "drakkenfold: cannot open a window on display \":4917\".\n"},
    };
    for (const Case& c : cases) {
      const Ran ran = run({"--new-instance"}, c.display);
      QCOMPARE(ran.status, 1);  // a normal exit: no abort, no core dump
      QCOMPARE(ran.err, c.said);
    }
  }
};

QTEST_MAIN(CommandLineTest)
#include "tst_command_line.moc"
