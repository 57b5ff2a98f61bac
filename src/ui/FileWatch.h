#pragma once
#include <QFileSystemWatcher>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/files/ReadFile.h"

namespace dk::ui {

class WarriorWindow;

// The files of the open warrior windows, watched on disk. Once a burst of change signals has
// settled, every window with a file is handed that file as it now is (its document tells an
// unchanged file, our own save among them, from a changed one). A file replaced by a rename
// drops the watch on the file that was there: the watch is armed again on the new one, and a
// file that is gone is watched for through its folder.
class WarriorFileWatch : public QObject {
  Q_OBJECT
 public:
  using Windows = std::function<QList<WarriorWindow*>()>;
  using Changed = std::function<void(WarriorWindow*, const FileStamp&)>;
  WarriorFileWatch(Windows windows, Changed changed, QObject* parent);

  // A window that came in: its file is watched from now on, and again after each Save As.
  void watch(WarriorWindow* window);

  // How long the signals of one change (a write in several pieces, a replace) take to settle.
  static constexpr int kSettleMilliseconds = 150;

 private:
  void check();
  void arm();

  Windows windows_;
  Changed changed_;
  // Made with the first file to watch: a frame without one costs nothing at its start.
  std::unique_ptr<QFileSystemWatcher> watcher_;
  QTimer settle_;
  QHash<QString, std::uint64_t> armed_;  // a watched file and the inode the watch is on
  bool checking_ = false;
};

}  // namespace dk::ui
