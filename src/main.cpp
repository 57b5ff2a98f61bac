// Start-up: the command line is read first (so --help and --version need no display), then the
// program's own folder becomes the working folder and the folder the data files are read from,
// the splash screen shows until it times out or is clicked, then the main frame opens centred on
// the screen. Warrior files named on the command line open after that, each as the
// frame's Open would open it.
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

#include "app/Version.h"
#include "ui/CommandLine.h"
#include "ui/FileChooser.h"
#include "ui/MainFrame.h"
#include "ui/QtPrompter.h"
#include "ui/SplashScreen.h"

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const dk::ui::CommandLine command = dk::ui::readCommandLine(arguments, QDir::currentPath());
  if (!command.run) {
    std::fputs(command.out.toLocal8Bit().constData(), stdout);
    std::fputs(command.err.toLocal8Bit().constData(), stderr);
    return command.exitCode;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(dk::kAppTitle));
  // The settings file: ~/.config/drakkenfold/Drakkenfold Character Generator.conf
  QApplication::setOrganizationName("drakkenfold");
  QApplication::setApplicationVersion(QString::fromStdString(dk::versionText()).mid(8));
  // The desktop entry this program is started from: gives its windows the installed icon and
  // lets the desktop tie them to the menu entry.
  QGuiApplication::setDesktopFileName("org.drakkenfold.CharacterGenerator");
  QApplication::setWindowIcon(QIcon(dk::ui::programPicture(64)));
  QDir::setCurrent(QCoreApplication::applicationDirPath());

  {
    dk::ui::SplashScreen splash;
    splash.exec();
  }

  // The data files are read from the program's own folder, wherever it was started from.
  dk::ui::QtPrompter prompter;
  dk::ui::QtFileChooser files;
  dk::ui::MainFrame frame(prompter, files,
                          {QCoreApplication::applicationDirPath().toStdString()});
  prompter.setParent(&frame);
  frame.show();
  // After the splash, once: warriors a crashed session left.
  frame.offerRecovery();
  if (!command.files.isEmpty())
    QTimer::singleShot(0, &frame,
                       [&frame, files = command.files] { frame.openWarriorFiles(files); });
  return QApplication::exec();
}
