#pragma once
// What the program does from the command line without opening a window (no display needed):
// checking warrior files against the rules.

#include <QString>
#include <QStringList>

namespace dk::ui {

// The folder the program lives in, found without an application object.
QString programFolder();

// `--check`: prints "FILE: legal" or one line per finding for each file, and a file that cannot
// be read on standard error. 0 when every file is legal, 1 when one is not, 2 when one cannot
// be read.
int checkWarriorFiles(const QStringList& paths, const QStringList& named,
                      const QString& dataFolder);

// `--pdf OUT FILE...`: the sheet of each warrior, in the order given, into one PDF (as a warrior
// window's "Save as PDF" draws it), written whole or not at all. A file that cannot be read is
// named with the reason on standard error and nothing is written. 0 when written, 1 otherwise.
// Needs a QGuiApplication (the offscreen platform is enough).
int exportWarriorsPdf(const QString& out, const QStringList& paths, const QStringList& named,
                      const QString& dataFolder);

// `--export TEMPLATE OUT FILE...`: the warriors through the template (a shipped or own
// template's name, or the path of a .mustache file; `workingFolder` for a relative one) into OUT,
// written whole or not at all. A template that cannot be read or has a mistake, or a warrior file
// that cannot be read, is named on standard error and nothing is written. 0 when written, 1
// otherwise. Needs no application object.
int exportWarriorsTemplate(const QString& templateName, const QString& out,
                           const QStringList& paths, const QStringList& named,
                           const QString& dataFolder, const QString& workingFolder);

// `--check-data [FOLDER]`: prints one line per problem of the catalogue files of the folder (or of
// everything the program reads), or "No problems found." with the catalogues' sizes. 0 when
// clean, 1 otherwise.
int checkDataFiles(const QString& folder, const QString& dataFolder);

// `--random N [--profile NAME] [--seed S] --out FOLDER`: the warrior files written, told in one
// line on standard output; what could not be written, on standard error. 0 when every one was
// written, 1 when something could not be, 2 for a profile that is not there.
int writeRandomWarriorFiles(qulonglong count, const QString& profile, qulonglong seed,
                            const QString& folder, const QString& dataFolder);

}  // namespace dk::ui
