#include "ui/FileWatch.h"

#include <QFileInfo>
#include <QPointer>
#include <QSet>

#include "ui/WarriorWindow.h"

namespace dk::ui {

WarriorFileWatch::WarriorFileWatch(Windows windows, Changed changed, QObject* parent)
    : QObject(parent), windows_(std::move(windows)), changed_(std::move(changed)) {
  settle_.setSingleShot(true);
  settle_.setInterval(kSettleMilliseconds);
  connect(&settle_, &QTimer::timeout, this, &WarriorFileWatch::check);
}

void WarriorFileWatch::watch(WarriorWindow* window) {
  connect(window, &WarriorWindow::saved, this, &WarriorFileWatch::arm);
  // Its file is let go once the window is gone from the frame's list.
  connect(window, &QObject::destroyed, this, [this] { settle_.start(); });
  const std::string& path = window->warrior().filePath;
  if (path.empty()) return;  // a new warrior: watched from its first save
  // The state the window starts from is the one a change is told against.
  window->document().noticeDisk(stampOf(path));
  arm();
}

void WarriorFileWatch::check() {
  // A question about one file holds the others back until it is answered.
  if (checking_) return settle_.start();
  checking_ = true;
  const QList<WarriorWindow*> open = windows_();
  for (const QPointer<WarriorWindow>& window :
       QList<QPointer<WarriorWindow>>(open.begin(), open.end())) {
    if (!window || window->warrior().filePath.empty()) continue;
    changed_(window, stampOf(window->warrior().filePath));
  }
  checking_ = false;
  arm();
}

void WarriorFileWatch::arm() {
  QHash<QString, std::uint64_t> files;  // a file on disk and its inode
  QSet<QString> folders;                // the folder of a file that is gone, for its return
  for (WarriorWindow* window : windows_()) {
    const std::string& path = window->warrior().filePath;
    if (path.empty()) continue;
    const FileStamp stamp = stampOf(path);
    const QString file = QString::fromStdString(path);
    if (stamp.exists) {
      files.insert(file, stamp.inode);
    } else if (const QString folder = QFileInfo(file).absolutePath(); QFileInfo(folder).isDir()) {
      folders << folder;
    }
  }
  if (!watcher_) {
    if (files.isEmpty() && folders.isEmpty()) return;
    watcher_ = std::make_unique<QFileSystemWatcher>();
    const auto restart = [this] { settle_.start(); };
    connect(watcher_.get(), &QFileSystemWatcher::fileChanged, this, restart);
    connect(watcher_.get(), &QFileSystemWatcher::directoryChanged, this, restart);
  }
  // A watch left on the file a rename replaced sees nothing of the new one.
  const QStringList watched = watcher_->files();
  for (const QString& file : armed_.keys())
    if (files.value(file) != armed_.value(file) || !watched.contains(file)) {
      watcher_->removePath(file);
      armed_.remove(file);
    }
  for (auto it = files.cbegin(); it != files.cend(); ++it)
    if (!armed_.contains(it.key()) && watcher_->addPath(it.key()))
      armed_.insert(it.key(), it.value());
  const QStringList watchedFolders = watcher_->directories();
  for (const QString& folder : watchedFolders)
    if (!folders.contains(folder)) watcher_->removePath(folder);
  for (const QString& folder : folders)
    if (!watchedFolders.contains(folder)) watcher_->addPath(folder);
}

}  // namespace dk::ui
