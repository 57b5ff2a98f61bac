#include "ui/Placement.h"

#include <QGuiApplication>
#include <QScreen>

#include "core/app/WindowPlacement.h"

namespace dk::ui {

namespace {
QScreen* screenOf(const QWidget* widget) {
  if (widget && widget->screen()) return widget->screen();
  return QGuiApplication::primaryScreen();
}
}  // namespace

double logicalDpi(const QWidget* widget) {
  QScreen* screen = screenOf(widget);
  return screen ? screen->logicalDotsPerInch() : 96.0;
}

int twips(const QWidget* widget, int twipValue) {
  return twipsToPixels(twipValue, logicalDpi(widget));
}

void centerOnScreen(QWidget* window) {
  QScreen* screen = screenOf(window);
  if (!screen) return;
  const double dpi = logicalDpi(window);
  const QRect area = screen->geometry();
  const QRect outer = window->frameGeometry();
  CenterReference ref;
  ref.kind = ReferenceKind::Screen;
  ref.outer = {0, 0, pixelsToTwips(area.width(), dpi), pixelsToTwips(area.height(), dpi)};
  const auto pos =
      centerWindow(pixelsToTwips(outer.width(), dpi), pixelsToTwips(outer.height(), dpi), ref);
  if (!pos) return;
  window->move(area.left() + twipsToPixels(pos->x, dpi), area.top() + twipsToPixels(pos->y, dpi));
}

}  // namespace dk::ui
