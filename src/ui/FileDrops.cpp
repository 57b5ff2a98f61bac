#include "ui/FileDrops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace dk::ui {

namespace {
// The files of a drag, when every one is a local warrior file; otherwise none.
QStringList warriorFiles(const QMimeData* data) {
  QStringList files;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(".war", Qt::CaseInsensitive)) return {};
    files << url.toLocalFile();
  }
  return files;
}
}  // namespace

void WarriorFileDrops::watch(QWidget* target) {
  target->setAcceptDrops(true);
  target->installEventFilter(this);
}

bool WarriorFileDrops::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (warriorFiles(drag->mimeData()).isEmpty()) {
        drag->ignore();  // the cursor says no
      } else {
        drag->acceptProposedAction();
      }
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QStringList files = warriorFiles(drop->mimeData());
      if (files.isEmpty()) return true;
      drop->acceptProposedAction();
      emit dropped(files);
      return true;
    }
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace dk::ui
