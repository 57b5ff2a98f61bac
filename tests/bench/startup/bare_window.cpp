// The yardstick of the start-up time: a bare Qt 6 program that shows an empty QMainWindow, to
// set beside the time the program takes to show its first window.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Bare window");
  window.resize(400, 300);
  window.show();
  return QApplication::exec();
}
