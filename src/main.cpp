// Start-up: the program's own folder becomes the working folder (the data files are found
// there by their bare names), the splash screen shows until it times out or is clicked, then
// the main frame opens centred on the screen with no warrior window.
#include <QApplication>
#include <QDir>

#include "app/Version.h"
#include "ui/MainFrame.h"
#include "ui/SplashScreen.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(dk::kAppTitle));
  QApplication::setWindowIcon(QIcon(dk::ui::programPicture(64)));
  QDir::setCurrent(QCoreApplication::applicationDirPath());

  {
    dk::ui::SplashScreen splash;
    splash.exec();
  }

  dk::ui::MainFrame frame;
  frame.show();
  return QApplication::exec();
}
