#include "ui/RecentFilesMenu.h"

#include <QFileInfo>

#include "core/app/RecentFiles.h"

namespace dk::ui {

QStringList RecentFilesMenu::files() const {
  settings_.sync();  // another program may have changed the list
  return settings_.value("recent/files").toStringList();
}

void RecentFilesMenu::store(const QStringList& files) {
  settings_.setValue("recent/files", files);
  settings_.sync();
}

void RecentFilesMenu::add(const QString& path) {
  std::vector<std::string> list;
  for (const QString& file : files()) list.push_back(file.toStdString());
  QStringList kept;
  for (const std::string& file : withRecentFile(list, path.toStdString()))
    kept << QString::fromStdString(file);
  store(kept);
}

void RecentFilesMenu::clear() { store({}); }

void RecentFilesMenu::attach(QMenu* menu, std::function<void(const QString&)> open) {
  menu->menuAction()->setObjectName("mnuRecent");
  menu->setToolTipsVisible(true);
  QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu, open] { fill(menu, open); });
  fill(menu, open);
}

void RecentFilesMenu::fill(QMenu* menu, const std::function<void(const QString&)>& open) {
  menu->clear();
  const QStringList list = files();
  int number = 1;
  for (const QString& path : list) {
    QString text = QFileInfo(path).fileName();
    text.replace('&', "&&");
    QAction* entry = menu->addAction(QString("&%1 %2").arg(number++).arg(text));
    entry->setToolTip(path);
    entry->setStatusTip(path);
    QObject::connect(entry, &QAction::triggered, menu, [this, path, open] {
      if (QFileInfo::exists(path)) return open(path);
      QStringList left = files();
      left.removeAll(path);
      store(left);
      prompter_.showMessage(recentFileGoneMessage(path.toStdString()), MessageIcon::Information);
    });
  }
  menu->addSeparator();
  QAction* clearList = menu->addAction("Clear List");
  clearList->setObjectName("mnuRecentClear");
  clearList->setEnabled(!list.isEmpty());
  QObject::connect(clearList, &QAction::triggered, menu, [this] { clear(); });
}

}  // namespace dk::ui
