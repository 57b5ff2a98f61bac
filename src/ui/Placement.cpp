#include "ui/Placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionTitleBar>
#include <algorithm>
#include <memory>

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

namespace {
class SharedTitleBarIcons : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  QIcon standardIcon(StandardPixmap picture, const QStyleOption* option,
                     const QWidget* widget) const override {
    // Only the title bar's own pictures, which depend on nothing but their kind.
    if (option || picture > SP_TitleBarContextHelpButton)
      return QProxyStyle::standardIcon(picture, option, widget);
    QIcon& icon = icons_[picture];
    if (icon.isNull()) icon = QProxyStyle::standardIcon(picture, nullptr, widget);
    return icon;
  }

 private:
  mutable QIcon icons_[SP_TitleBarContextHelpButton + 1];
};
}  // namespace

void shareTitleBarIcons() {
  if (dynamic_cast<SharedTitleBarIcons*>(QApplication::style())) return;
  if (QStyle* same = QStyleFactory::create(QApplication::style()->name()))
    QApplication::setStyle(new SharedTitleBarIcons(same));
}

QMdiSubWindow* addQuietSubWindow(QMdiArea* area, QWidget* widget) {
  // Made inside the area from the start, as the area makes its own: a subwindow made on its own
  // is a top-level window, and the area would then move it in twice (once to take it, once more
  // to make it a subwindow), each time going through every control of the warrior window.
  auto* sub = new QMdiSubWindow(area->viewport());
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWidget(widget);
  // Made before the area's own connections, so that these run first: on activation the area
  // tells every other window it is inactive and each one asks for its frame to be painted again,
  // although only the window that was active changes. Those windows hold their updates for the
  // moment (the attribute alone: setUpdatesEnabled would repaint them whole afterwards) and take
  // them back as soon as the area has gone through them, when the window's state change follows,
  // before anything is painted. With the windows maximised the area also restores them in that
  // loop, so it is left to paint them all.
  auto held = std::make_shared<QList<QPointer<QMdiSubWindow>>>();
  QObject::connect(sub, &QMdiSubWindow::aboutToActivate, area, [area, sub, held] {
    const QMdiSubWindow* active = area->activeSubWindow();
    if (active && active->isMaximized()) return;
    for (QMdiSubWindow* other : area->subWindowList()) {
      if (other == sub || other == active || !other->isVisible() || !other->updatesEnabled())
        continue;
      other->setAttribute(Qt::WA_UpdatesDisabled, true);
      held->push_back(other);
    }
  });
  QObject::connect(sub, &QMdiSubWindow::windowStateChanged, area, [held] {
    for (const QPointer<QMdiSubWindow>& other : *held)
      if (other) other->setAttribute(Qt::WA_UpdatesDisabled, false);
    held->clear();
  });
  area->addSubWindow(sub);
  return sub;
}

}  // namespace dk::ui
