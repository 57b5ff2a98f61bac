#include "ui/CommandLine.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "core/app/Version.h"
#include "core/forge/Forge.h"
#include "core/forge/RandomBatch.h"

namespace dk::ui {

namespace {
constexpr const char* kProgramName = "drakkenfold";

// Options that Qt's window layer reads itself (QGuiApplication and QApplication); they are
// accepted here and left in the arguments for it.
const char* const kQtOptionsWithValue[] = {"platform",        "platformpluginpath",
                                           "platformtheme",   "plugin",
                                           "qwindowgeometry", "qwindowicon",
                                           "qwindowtitle",    "session",
                                           "display",         "name",
                                           "title",           "visual",
                                           "geometry",        "style",
                                           "stylesheet",      "qmljsdebugger"};
const char* const kQtFlags[] = {"reverse", "sync",        "nograb",
                                "dograb",  "widgetcount", "testability"};

QString versionNumber() {
  return QString("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

// A file manager may hand over a file: URL instead of a path.
QString absolutePath(const QString& argument, const QString& workingFolder) {
  if (argument.startsWith("file:", Qt::CaseInsensitive)) {
    const QUrl url(argument);
    if (url.isLocalFile()) return QFileInfo(url.toLocalFile()).absoluteFilePath();
  }
  return QFileInfo(QDir(workingFolder), argument).absoluteFilePath();
}
}  // namespace

CommandLine readCommandLine(const QStringList& arguments, const QString& workingFolder) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(
      QString::fromUtf8(kAppTitle) +
      ": builds warriors for the tabletop role-playing game under its priority-and-point rules.\n"
      "Each warrior file named opens in a window of its own after the splash screen.");
  const QCommandLineOption help({"h", "help"}, "Show this help and end.");
  const QCommandLineOption version({"v", "version"}, "Show the version number and end.");
  const QCommandLineOption newInstance(
      "new-instance", "Start a program of its own, even when one is running already.");
  const QCommandLineOption check(
      "check",
      "Check each warrior file against the rules and print \"FILE: legal\" or one line per "
      "finding; open no window. Exit status 0 when every file is legal, 1 when one is not, 2 "
      "when one cannot be read.");
  const QCommandLineOption checkData(
      "check-data",
      "Check the catalogue files of FOLDER (given as the one file argument), or without one "
      "everything the program reads (the shipped catalogues and your own, merged), and print "
      "\"FILE:LINE: problem\" for each problem found; open no window. Exit status 0 when there "
      "is none, 1 otherwise.");
  const QCommandLineOption pdf(
      "pdf",
      "Write the sheet of each warrior file named, in the order given, into the one PDF file "
      "OUT (each warrior on a new page), without a window or a display. The file is written "
      "whole or not at all. Exit status 0 when written, 1 when a file cannot be read (named on "
      "standard error) or OUT cannot be written.",
      "OUT.pdf");
  const QCommandLineOption random(
      "random",
      "Write N random warriors (1 to 100000), each legal under the rules, as warrior files "
      "\"<name>.war\" into the folder of --out (made if missing; a number is added where two "
      "names meet), without a window or a display. No file is ever replaced: when one is there "
      "already, nothing is written and it is named. The seeds are S, S+1, ...; the notes of each "
      "warrior say its profile and seed. Exit status 0 when written, 1 when something could not "
      "be written, 2 for a wrong command line.",
      "N");
  const QCommandLineOption profile(
      "profile",
      "With --random: the profile of every warrior (as \"New Random Warrior...\" lists them); "
      "without it each seed picks one.",
      "NAME");
  const QCommandLineOption seed(
      "seed",
      "With --random: the seed of the first warrior, a whole number (a fresh one without it).",
      "S");
  const QCommandLineOption exportOption(
      "export",
      "Write each warrior file named through the export template TEMPLATE into the one file OUT "
      "(the first file argument), without a window or a display. TEMPLATE is the name of a "
      "shipped template (html, markdown, text), of one of your own (*.mustache in "
      "drakkenfold/templates beside your own catalogues), or the path of a .mustache file. The "
      "template renders once per warrior, the results in the order given, unless it holds a "
      "{{#warriors}} section, which receives them all. The file is written whole or not at all. "
      "Exit status 0 when written, 1 when a warrior file or the template cannot be read or has a "
      "mistake (named on standard error, \"FILE:LINE: problem\" for the template) or OUT cannot "
      "be written, 2 for a wrong command line.",
      "TEMPLATE");
  const QCommandLineOption out("out", "With --random: the folder the warrior files go into.",
                               "FOLDER");
  parser.addOption(help);
  parser.addOption(exportOption);
  parser.addOption(random);
  parser.addOption(profile);
  parser.addOption(seed);
  parser.addOption(out);
  parser.addOption(checkData);
  parser.addOption(pdf);
  parser.addOption(version);
  parser.addOption(newInstance);
  parser.addOption(check);
  for (const char* name : kQtOptionsWithValue) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), "value");
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : kQtFlags) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  parser.addPositionalArgument("files", "Warrior files (*.war) to open.", "[FILE.war...]");

  CommandLine result;
  const QString usage = QString("Usage: %1 [options] [FILE.war...]\n").arg(kProgramName);
  if (!parser.parse(arguments.isEmpty() ? QStringList{kProgramName} : arguments)) {
    result.run = false;
    result.exitCode = 2;
    result.err = QString("%1: %2\n%3Try '%1 --help' for more information.\n")
                     .arg(kProgramName, parser.errorText(), usage);
    return result;
  }
  if (parser.isSet(help)) {
    result.run = false;
    // The parser's own help text names the program by its first argument; ours uses its name.
    QString text = parser.helpText();
    const qsizetype end = text.indexOf('\n');
    result.out = usage + (end >= 0 ? text.mid(end + 1) : QString());
    return result;
  }
  if (parser.isSet(version)) {
    result.run = false;
    result.out = QString("%1 %2\n").arg(QString::fromUtf8(kAppTitle), versionNumber());
    return result;
  }
  for (const QString& file : parser.positionalArguments())
    result.files << absolutePath(file, workingFolder);
  result.named = parser.positionalArguments();
  result.newInstance = parser.isSet(newInstance);
  result.check = parser.isSet(check);
  result.checkData = parser.isSet(checkData);
  if (parser.isSet(pdf)) {
    result.pdf = QFileInfo(QDir(workingFolder), parser.value(pdf)).absoluteFilePath();
    if (result.check || result.checkData || result.files.isEmpty() || parser.isSet(exportOption)) {
      result.run = false;
      result.exitCode = 2;
      result.err = QString(
                       "%1: --pdf needs an output file and at least one warrior file, and no "
                       "other check.\n%2")
                       .arg(kProgramName, usage);
      return result;
    }
  }
  // One line on standard error: what is wrong, not the whole usage.
  const auto wrong = [&result](const QString& why) {
    result.run = false;
    result.exitCode = 2;
    result.err = QString("%1: %2\n").arg(kProgramName, why);
    return result;
  };
  if (parser.isSet(random)) {
    bool ok = false;
    const QString count = parser.value(random).trimmed();
    result.random = count.toULongLong(&ok);
    if (!ok || count.startsWith('+') || result.random == 0 || result.random > kMostRandomWarriors)
      return wrong(QString("--random takes a whole number of warriors from 1 to %1, not \"%2\".")
                       .arg(kMostRandomWarriors)
                       .arg(parser.value(random)));
    if (!parser.isSet(out) || parser.value(out).isEmpty())
      return wrong("--random needs the folder to write into: --out FOLDER.");
    if (result.check || result.checkData || parser.isSet(pdf) || parser.isSet(exportOption) ||
        !result.files.isEmpty())
      return wrong("--random takes no warrior files and no other task.");
    result.randomFolder = QFileInfo(QDir(workingFolder), parser.value(out)).absoluteFilePath();
    result.profile = parser.value(profile);
    if (parser.isSet(seed)) {
      const auto value = parseSeed(parser.value(seed).toStdString());
      if (!value)
        return wrong(QString("the seed must be a whole number from 0 to 18446744073709551615, not "
                             "\"%1\".")
                         .arg(parser.value(seed)));
      result.seed = *value;
    } else {
      result.seed = freshSeed();
    }
    return result;
  }
  if (parser.isSet(profile) || parser.isSet(seed) || parser.isSet(out))
    return wrong("--profile, --seed and --out go with --random.");
  if (parser.isSet(exportOption)) {
    if (result.check || result.checkData || !result.pdf.isEmpty() || result.files.size() < 2) {
      result.run = false;
      result.exitCode = 2;
      result.err =
          QString(
              "%1: --export needs a template, an output file and at least one warrior "
              "file (--export TEMPLATE OUT FILE.war...), and no other check or export.\n%2")
              .arg(kProgramName, usage);
      return result;
    }
    result.exportTemplate = parser.value(exportOption);
    result.exportOut = result.files.takeFirst();
    result.named.removeFirst();
  }
  if (result.checkData) {
    if (result.check || result.named.size() > 1) {
      result.run = false;
      result.exitCode = 2;
      result.err = QString("%1: --check-data takes one catalogue folder at most.\n%2")
                       .arg(kProgramName, usage);
      return result;
    }
    result.dataFolder = result.named.value(0);
    result.files.clear();
    result.named.clear();
  }
  if (result.check && result.files.isEmpty()) {
    result.run = false;
    result.exitCode = 2;
    result.err =
        QString("%1: --check needs at least one warrior file.\n%2").arg(kProgramName, usage);
  }
  return result;
}

}  // namespace dk::ui
