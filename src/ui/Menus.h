#pragma once
#include <QAction>
#include <QKeySequence>
#include <QMenu>

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

}  // namespace dk::ui
