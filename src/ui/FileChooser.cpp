#include "ui/FileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace dk::ui {

QStringList warriorFileFilters() { return {"Warriors (*.war)", "All (*.*)"}; }

QString FolderMemory::folder() const {
  if (!folder_.isEmpty() && QFileInfo(folder_).isDir()) return folder_;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

void FolderMemory::remember(const QString& filePath) {
  folder_ = QFileInfo(filePath).absolutePath();
}

QString chooseWarriorFile(QWidget* parent, bool forSaving, FolderMemory& memory,
                          const QString& suggestedPath) {
  QFileDialog dialog(parent, forSaving ? "Save Warrior" : "Open Warrior");
  dialog.setObjectName("CD1");
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilters(warriorFileFilters());
  if (forSaving) dialog.setDefaultSuffix("war");
  if (!suggestedPath.isEmpty()) {
    dialog.setDirectory(QFileInfo(suggestedPath).absolutePath());
    dialog.selectFile(QFileInfo(suggestedPath).fileName());
  } else {
    dialog.setDirectory(memory.folder());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString chosen = dialog.selectedFiles().first();
  if (chosen.isEmpty()) return {};
  const QString path = QFileInfo(chosen).absoluteFilePath();
  memory.remember(path);
  return path;
}

}  // namespace dk::ui
