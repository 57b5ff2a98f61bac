#include "ui/DisplayCheck.h"

#include <unistd.h>

#include <QByteArray>
#include <cstdio>
#include <vector>

namespace dk::ui {

namespace {

// The platform chosen on the command line or in the environment; empty for Qt's own choice.
QString chosenPlatform(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if ((a == "-platform" || a == "--platform") && i + 1 < arguments.size())
      return arguments[i + 1];
    if (a.startsWith("-platform=") || a.startsWith("--platform=")) return a.mid(a.indexOf('=') + 1);
  }
  return qEnvironmentVariable("QT_QPA_PLATFORM");
}

// The sentence for a window system that does not answer.
QString unreachableMessage(const QString& platform) {
  const QString name = platform.section(':', 0, 0);
  const QString x = qEnvironmentVariable("DISPLAY");
  const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
  QString display;
  if (name == "wayland" || name.startsWith("wayland-")) {
    display = wayland;
  } else if (name.isEmpty() || name == "xcb") {
    display = x.isEmpty() ? wayland : x;
  } else {
    return QString("drakkenfold: cannot open a window: the platform \"%1\" could not be started.")
        .arg(platform);
  }
  return QString("drakkenfold: cannot open a window on display \"%1\".").arg(display);
}

struct Held {
  QtMsgType type;
  QByteArray category;
  QByteArray file;
  int line;
  QByteArray function;
  QString text;
};

QtMessageHandler previous = nullptr;
QString* failure = nullptr;
std::vector<Held>* held = nullptr;

void hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    // Qt gives up on the window system here and would abort: say it our way and end.
    std::fprintf(stderr, "%s\n", failure->toLocal8Bit().constData());
    std::fflush(stderr);
    ::_exit(1);
  }
  held->push_back({type, context.category, context.file, context.line, context.function, text});
}

}  // namespace

std::optional<QString> missingDisplayMessage(const QStringList& arguments) {
  if (!chosenPlatform(arguments).isEmpty()) return std::nullopt;
  if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    return std::nullopt;
  return QString(
      "drakkenfold: cannot open a window: no display is set (DISPLAY, WAYLAND_DISPLAY).");
}

DisplayGuard::DisplayGuard(const QStringList& arguments) {
  failure = new QString(unreachableMessage(chosenPlatform(arguments)));
  held = new std::vector<Held>;
  previous = qInstallMessageHandler(hold);
}

DisplayGuard::~DisplayGuard() {
  qInstallMessageHandler(previous);
  for (const Held& h : *held) {
    const QMessageLogContext context(h.file.constData(), h.line, h.function.constData(),
                                     h.category.constData());
    if (previous) previous(h.type, context, h.text);
  }
  delete held;
  delete failure;
  held = nullptr;
  failure = nullptr;
}

}  // namespace dk::ui
