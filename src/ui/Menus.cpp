#include "ui/Menus.h"

#include <QMdiSubWindow>

namespace dk::ui {

void showMenus(QMenuBar* bar, const QList<QMenu*>& menus) {
  QList<QMenu*> shown;
  for (QAction* a : bar->actions())
    if (a->menu()) shown << a->menu();
  if (shown == menus) return;
  bar->clear();
  for (QMenu* menu : menus) bar->addMenu(menu);
}

void fillWindowsMenu(QMenu* menu, QMdiArea* area) {
  menu->clear();
  int number = 1;
  QMdiSubWindow* active =
      area->activeSubWindow() ? area->activeSubWindow() : area->currentSubWindow();
  for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder)) {
    QString text = sub->widget()->windowTitle();
    text.replace('&', "&&");
    auto* a = menu->addAction(QString("&%1 %2").arg(number++).arg(text));
    a->setObjectName(QString("mnuWarrior_%1").arg(sub->widget()->property("tag").toString()));
    a->setCheckable(true);
    a->setChecked(sub == active);
    QObject::connect(a, &QAction::triggered, area, [area, sub] {
      area->setActiveSubWindow(sub);
      sub->showNormal();
    });
  }
}

}  // namespace dk::ui
