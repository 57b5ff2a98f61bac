// Start-up: the command line is read first (so --help and --version need no display), a
// program already running takes the files instead when there is one, then the
// program's own folder becomes the working folder and the folder the data files are read from,
// the splash screen shows until it times out or is clicked, then the main frame opens centred on
// the screen. Warrior files named on the command line open after that, each as the
// frame's Open would open it.
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTimer>
#include <cstdio>
#include <optional>

#include "core/app/Version.h"
#include "ui/CommandLine.h"
#include "ui/DisplayCheck.h"
#include "ui/FileChooser.h"
#include "ui/MainFrame.h"
#include "ui/QtPrompter.h"
#include "ui/SingleInstance.h"
#include "ui/SplashScreen.h"
#include "ui/Tools.h"

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const dk::ui::CommandLine command = dk::ui::readCommandLine(arguments, QDir::currentPath());
  if (!command.run) {
    std::fputs(command.out.toLocal8Bit().constData(), stdout);
    std::fputs(command.err.toLocal8Bit().constData(), stderr);
    return command.exitCode;
  }
  // Answers that need no window, and no display.
  if (command.check)
    return dk::ui::checkWarriorFiles(command.files, command.named, dk::ui::programFolder());
  if (command.random > 0)
    return dk::ui::writeRandomWarriorFiles(command.random, command.profile, command.seed,
                                           command.randomFolder, dk::ui::programFolder());
  if (command.checkData) return dk::ui::checkDataFiles(command.dataFolder, dk::ui::programFolder());
  if (!command.exportTemplate.isEmpty())
    return dk::ui::exportWarriorsTemplate(command.exportTemplate, command.exportOut, command.files,
                                          command.named, dk::ui::programFolder(),
                                          QDir::currentPath());
  if (!command.pdf.isEmpty()) {
    // Drawing needs fonts, not a screen: the offscreen platform, whatever the arguments say.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error is for the files that cannot be read, not for Qt's remarks on the platform.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    });
    int onlyTheName = 1;
    QGuiApplication drawing(onlyTheName, argv);
    return dk::ui::exportWarriorsPdf(command.pdf, command.files, command.named,
                                     dk::ui::programFolder());
  }

  // No window can open without a display: say so in one line, before any window code runs.
  if (const auto missing = dk::ui::missingDisplayMessage(arguments)) {
    std::fprintf(stderr, "%s\n", missing->toLocal8Bit().constData());
    return 1;
  }
  // A program of this user's runs on this display already: it takes the files and comes to
  // the front, and this start ends here, having made no window and no application object.
  const QString socket = dk::ui::instanceSocketPath();
  if (!command.newInstance && dk::ui::handToRunningProgram(socket, command.files)) return 0;

  std::optional<dk::ui::DisplayGuard> guard(std::in_place, arguments);
  QApplication app(argc, argv);
  guard.reset();
  dk::ui::InstanceServer instance;
  if (!command.newInstance) instance.listen(socket);

  QApplication::setApplicationName(QString::fromUtf8(dk::kAppTitle));
  // The settings file: ~/.config/drakkenfold/Drakkenfold Character Generator.conf
  QApplication::setOrganizationName("drakkenfold");
  QApplication::setApplicationVersion(QString::fromStdString(dk::versionText()).mid(8));
  // The desktop entry this program is started from: gives its windows the installed icon and
  // lets the desktop tie them to the menu entry.
  QGuiApplication::setDesktopFileName("org.drakkenfold.CharacterGenerator");
  QDir::setCurrent(QCoreApplication::applicationDirPath());

  {
    dk::ui::SplashScreen splash;
    QApplication::setWindowIcon(QIcon(dk::ui::programPicture(64)));
    splash.exec();
  }

  // The data files are read from the program's own folder, wherever it was started from.
  dk::ui::QtPrompter prompter;
  dk::ui::QtFileChooser files;
  dk::ui::FramePlaces places;
  places.dataFolder = QCoreApplication::applicationDirPath().toStdString();
  dk::ui::MainFrame frame(prompter, files, places);
  prompter.setParent(&frame);
  frame.show();
  // After the splash, once: the table's own catalogue files left out, warriors a crashed session
  // left.
  frame.reportOwnCatalogues();
  frame.offerRecovery();
  if (!command.files.isEmpty())
    QTimer::singleShot(0, &frame,
                       [&frame, files = command.files] { frame.openWarriorFiles(files); });
  // Files handed over by later starts, also those that came while the splash was up.
  instance.setOpener([&frame](const QStringList& files) {
    frame.openWarriorFiles(files);
    frame.showNormal();
    frame.raise();
    frame.activateWindow();
    return static_cast<int>(frame.warriorWindows().size());
  });
  return QApplication::exec();
}
