#include "ui/Menus.h"

#include <QMdiSubWindow>
#include <tuple>

namespace dk::ui {

void showMenus(QMenuBar* bar, const QList<QMenu*>& menus) {
  QList<QMenu*> shown;
  for (QAction* a : bar->actions())
    if (a->menu()) shown << a->menu();
  if (shown == menus) return;
  bar->clear();
  for (QMenu* menu : menus) bar->addMenu(menu);
}

QList<QAction*> makeArrangeActions(QWidget* owner, QMdiArea* area) {
  QList<QAction*> actions;
  for (const auto& [name, text, arrange] :
       {std::tuple{"mnuCascade", "&Cascade", &QMdiArea::cascadeSubWindows},
        std::tuple{"mnuTile", "&Tile", &QMdiArea::tileSubWindows},
        std::tuple{"mnuCloseAll", "Close &All", &QMdiArea::closeAllSubWindows}}) {
    auto* action = new QAction(text, owner);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, area, arrange);
    actions << action;
  }
  return actions;
}

void fillWindowsMenu(QMenu* menu, QMdiArea* area, const QList<QAction*>& arrange,
                     const std::function<QString(QWidget*)>& nameOf) {
  menu->clear();
  menu->addActions(arrange);
  menu->addSeparator();
  QMdiSubWindow* active =
      area->activeSubWindow() ? area->activeSubWindow() : area->currentSubWindow();
  for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder)) {
    const QString slot = sub->widget()->property("tag").toString();
    QString name = nameOf(sub->widget());
    name.replace('&', "&&");
    // The slot tells two warriors of one name apart.
    auto* a = menu->addAction(QString("&%1 %2").arg(slot, name.isEmpty() ? "(no name)" : name));
    a->setObjectName(QString("mnuWarrior_%1").arg(slot));
    a->setCheckable(true);
    a->setChecked(sub == active);
    // The chosen window comes to the front as the others stand (maximised ones stay so).
    QObject::connect(a, &QAction::triggered, area, [area, sub] {
      if (sub->isMinimized()) sub->showNormal();
      area->setActiveSubWindow(sub);
    });
  }
}

}  // namespace dk::ui
