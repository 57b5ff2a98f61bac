#pragma once
#include <QString>
#include <QStringList>

namespace dk::ui {

// What the command line asks for: start the program (and open these warrior files after the
// splash), or answer at once and end with the given exit code (--help, --version, a mistake).
struct CommandLine {
  bool run = true;
  int exitCode = 0;
  QStringList files;         // absolute paths, in the order given
  bool newInstance = false;  // start on its own even when a program runs already
  bool check = false;        // --check: check the files against the rules, open no window
  bool checkData = false;    // --check-data [FOLDER]: check catalogue files, open no window
  QString dataFolder;        // the folder --check-data was given, as named; empty for all
  QString pdf;               // --pdf OUT: the sheets of the files into this PDF, no window
  // --export TEMPLATE OUT FILE...: the warriors through a template into OUT, no window
  QString exportTemplate;  // the template as named (a name, or a path to a .mustache file)
  QString exportOut;       // OUT, absolute
  QStringList named;       // the files as named on the command line, for what is printed
  // --random N [--profile NAME] [--seed S] --out FOLDER: N random warriors as files, no window
  qulonglong random = 0;  // N; 0 when not asked for
  QString profile;        // the profile named; empty for one the seed picks
  qulonglong seed = 0;
  QString randomFolder;  // FOLDER, absolute
  QString out;           // what to print on standard output before ending
  QString err;           // what to print on standard error before ending
};

// Reads the program's arguments (the program name first) before any window exists, so that
// --help and --version answer without a display. The options of Qt's own window layer
// (-platform, -style, -display, ...) are accepted and left to it. Relative file names are taken
// from `workingFolder`, the folder the program was started in. An unknown option gives a short
// usage text on standard error and the exit code 2.
CommandLine readCommandLine(const QStringList& arguments, const QString& workingFolder);

}  // namespace dk::ui
