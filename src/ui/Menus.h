#pragma once
// The menus of the frame and the warrior windows, built from tables: each item named for the
// acceptance checks, with its text, its shortcut and what it does.

#include <QAction>
#include <QKeySequence>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <vector>

namespace dk::ui {

// A menu item named for the acceptance checks, owned by the window whose command it is.
inline QAction* addMenuAction(QObject* owner, QMenu* menu, const char* name, const QString& text,
                              const QKeySequence& key = {}) {
  auto* action = new QAction(text, owner);
  action->setObjectName(name);
  if (!key.isEmpty()) action->setShortcut(key);
  menu->addAction(action);
  return action;
}

// One row of a menu table: an item (a name), a submenu (where to keep it) or, with neither, a
// separator.
struct MenuItem {
  const char* name = nullptr;
  QString text;
  QKeySequence key;
  std::function<void()> run;
  QMenu** submenu = nullptr;
};

// A menu of the rows given; its items are found by name among the owner's children.
inline QMenu* buildMenu(QWidget* owner, const QString& title, const char* objectName,
                        const std::vector<MenuItem>& items) {
  auto* menu = new QMenu(title, owner);
  menu->setObjectName(objectName);
  for (const MenuItem& item : items) {
    if (item.submenu) {
      *item.submenu = menu->addMenu(item.text);
    } else if (!item.name) {
      menu->addSeparator();
    } else {
      QAction* action = addMenuAction(owner, menu, item.name, item.text, item.key);
      if (item.run) QObject::connect(action, &QAction::triggered, owner, item.run);
    }
  }
  return menu;
}

// Puts these menus on the bar, unless they stand there already.
void showMenus(QMenuBar* bar, const QList<QMenu*>& menus);

// "Cascade", "Tile" and "Close All" for the windows of the area, owned by (and found among the
// children of) `owner`.
QList<QAction*> makeArrangeActions(QWidget* owner, QMdiArea* area);

// The Warriors menu: the arrange actions, then one item per window of the area in the order they
// were made ("&<slot> <name>"), the active one ticked; choosing one brings it to the front.
void fillWindowsMenu(QMenu* menu, QMdiArea* area, const QList<QAction*>& arrange,
                     const std::function<QString(QWidget*)>& nameOf);

}  // namespace dk::ui
