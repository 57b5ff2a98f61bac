#include "ui/FileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace dk::ui {

QStringList warriorFileFilters() { return {"Warriors (*.war)", "All (*.*)"}; }

FolderMemory::FolderMemory(const QString& settingsFile)
    : settings_(settingsFile.isEmpty()
                    ? std::make_unique<QSettings>()
                    : std::make_unique<QSettings>(settingsFile, QSettings::IniFormat)) {}

FolderMemory::~FolderMemory() = default;

QString FolderMemory::folder() const {
  const QString kept = settings_->value("files/folder").toString();
  if (!kept.isEmpty() && QFileInfo(kept).isDir()) return kept;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

void FolderMemory::remember(const QString& filePath) {
  settings_->setValue("files/folder", QFileInfo(filePath).absolutePath());
}

namespace {
// Runs a chooser; the chosen file as an absolute path, remembered, or empty.
QString chosenFile(QFileDialog& dialog, FolderMemory& folders) {
  dialog.setObjectName("CD1");
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString chosen = dialog.selectedFiles().first();
  if (chosen.isEmpty()) return {};
  const QString path = QFileInfo(chosen).absoluteFilePath();
  folders.remember(path);
  return path;
}
}  // namespace

QString QtFileChooser::warriorFile(QWidget* parent, bool forSaving, const QString& suggestedPath) {
  QFileDialog dialog(parent, forSaving ? "Save Warrior" : "Open Warrior");
  dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilters(warriorFileFilters());
  if (forSaving) dialog.setDefaultSuffix("war");
  if (!suggestedPath.isEmpty()) {
    dialog.setDirectory(QFileInfo(suggestedPath).absolutePath());
    dialog.selectFile(QFileInfo(suggestedPath).fileName());
  } else {
    dialog.setDirectory(folders_.folder());
  }
  return chosenFile(dialog, folders_);
}

QString QtFileChooser::pdfFile(QWidget* parent, const QString& suggestedName) {
  QFileDialog dialog(parent, "Save as PDF");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter("PDF (*.pdf)");
  dialog.setDefaultSuffix("pdf");
  dialog.setDirectory(folders_.folder());
  dialog.selectFile(suggestedName);
  return chosenFile(dialog, folders_);
}

}  // namespace dk::ui
