#pragma once
// "Recent Files" (mnuRecent) in the File menus of the frame and of every warrior window: the
// last ten warriors opened or saved, newest first, kept in the settings so that every menu and
// every later run shows the same list; "Clear List" at the end.

#include <QMenu>
#include <QSettings>
#include <functional>

#include "core/context/Prompter.h"

namespace dk::ui {

class RecentFilesMenu {
 public:
  RecentFilesMenu(QSettings& settings, Prompter& prompter)
      : settings_(settings), prompter_(prompter) {}

  QStringList files() const;
  void add(const QString& path);
  void clear();

  // Makes `menu` the list, filled afresh each time it opens; choosing an entry opens its file
  // with `open`, or says that it is gone and takes it off.
  void attach(QMenu* menu, std::function<void(const QString&)> open);

 private:
  void fill(QMenu* menu, const std::function<void(const QString&)>& open);
  void store(const QStringList& files);

  QSettings& settings_;
  Prompter& prompter_;
};

}  // namespace dk::ui
