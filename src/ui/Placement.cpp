#include "ui/Placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <algorithm>

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

void placeWarriorWindow(QMdiArea* area, QMdiSubWindow* sub, bool firstWindow) {
  const TwipSize size = warriorWindowSize(firstWindow);
  sub->setMinimumSize(sub->minimumSizeHint());
  sub->resize(
      sub->minimumSize().expandedTo(QSize(twips(sub, size.width), twips(sub, size.height))));
  QMdiSubWindow* previous = nullptr;
  for (QMdiSubWindow* other : area->subWindowList(QMdiArea::CreationOrder))
    if (other != sub && other->isVisible()) previous = other;
  if (!previous) return;
  // The steps QMdiArea's cascade takes: ten pixels across, about a title bar down.
  QStyleOptionTitleBar options;
  options.initFrom(sub);
  const int titleBar = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, &options, sub);
  const int fontHeight = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).height();
  const int stepY = std::max(titleBar - (titleBar - fontHeight) / 2, 1);
  const QSize room = area->viewport()->size();
  const PixelPoint at = nextCascadePosition({previous->x(), previous->y()}, sub->width(),
                                            sub->height(), room.width(), room.height(), 10, stepY);
  sub->move(at.x, at.y);
}

}  // namespace dk::ui
