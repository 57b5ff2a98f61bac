#include "ui/FileChooser.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
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
// Runs a chooser; the chosen files as absolute paths, the folder remembered, or none.
QStringList chosenFiles(QFileDialog& dialog, FolderMemory& folders) {
  dialog.setObjectName("CD1");
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return {};
  QStringList paths;
  for (const QString& chosen : dialog.selectedFiles())
    if (!chosen.isEmpty()) paths << QFileInfo(chosen).absoluteFilePath();
  if (!paths.isEmpty()) folders.remember(paths.first());
  return paths;
}

QString chosenFile(QFileDialog& dialog, FolderMemory& folders) {
  const QStringList paths = chosenFiles(dialog, folders);
  return paths.isEmpty() ? QString() : paths.first();
}
}  // namespace

QString QtFileChooser::warriorFile(QWidget* parent, bool forSaving, const QString& suggestedPath) {
  QFileDialog dialog(parent, forSaving ? "Save Warrior" : "Open Warrior");
  dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilters(warriorFileFilters());
  if (forSaving) dialog.setDefaultSuffix("war");
  const QFileInfo suggested(suggestedPath);
  // A bare name is offered in the folder last used; a warrior's own file in its folder.
  dialog.setDirectory(suggestedPath.isEmpty() || suggested.isRelative() ? folders_.folder()
                                                                        : suggested.absolutePath());
  if (!suggestedPath.isEmpty()) dialog.selectFile(suggested.fileName());
  return chosenFile(dialog, folders_);
}

QStringList QtFileChooser::warriorFilesToOpen(QWidget* parent) {
  QFileDialog dialog(parent, "Open Warrior");
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setNameFilters(warriorFileFilters());
  dialog.setDirectory(folders_.folder());
  return chosenFiles(dialog, folders_);
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

QString QtFileChooser::exportTemplate(QWidget* parent, const QStringList& names) {
  QInputDialog dialog(parent);
  dialog.setObjectName("dlgExportTemplate");
  dialog.setWindowTitle("Export with Template");
  dialog.setLabelText("Template:");
  dialog.setComboBoxItems(names);
  dialog.setComboBoxEditable(false);
  dialog.setOkButtonText("Export...");
  if (names.contains("html")) dialog.setTextValue("html");
  // Wide enough for its title beside the title bar's buttons, and for a template's longer name
  // (the dialog's own layout sizes it to its controls, so the width is the list's).
  if (auto* list = dialog.findChild<QComboBox*>())
    list->setMinimumWidth(dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) * 2);
  return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtFileChooser::exportFile(QWidget* parent, const QString& suggestedName,
                                  const QString& extension) {
  QFileDialog dialog(parent, "Export with Template");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(
      {QString("%1 (*.%2)").arg(extension.toUpper(), extension), "All files (*)"});
  dialog.setDefaultSuffix(extension);
  dialog.setDirectory(folders_.folder());
  dialog.selectFile(suggestedName);
  return chosenFile(dialog, folders_);
}

}  // namespace dk::ui
