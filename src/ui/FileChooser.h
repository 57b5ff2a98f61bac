#pragma once
// The file choosers: where a warrior is opened from or saved to, and where its sheet goes as a
// PDF. The program asks the user in a file dialog (CD1); tests put in a chooser that answers at
// once.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

class QSettings;

namespace dk::ui {

// The filter entries of the warrior file choosers.
QStringList warriorFileFilters();

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // A warrior file, for opening or for saving (suggestedPath: the file the warrior has, or a bare
  // file name offered in the folder last used). The chosen absolute path, or an empty text when
  // the user cancelled.
  virtual QString warriorFile(QWidget* parent, bool forSaving, const QString& suggestedPath) = 0;
  // The warrior files to open, one or several at once; none when the user cancelled.
  virtual QStringList warriorFilesToOpen(QWidget* parent) {
    const QString one = warriorFile(parent, false, {});
    return one.isEmpty() ? QStringList{} : QStringList{one};
  }
  // A PDF file for a sheet, offering suggestedName; empty when cancelled.
  virtual QString pdfFile(QWidget* parent, const QString& suggestedName) = 0;
  // The export template to use, picked by name from `names`; empty when cancelled.
  virtual QString exportTemplate(QWidget* parent, const QStringList& names) = 0;
  // A file for an export that writes `extension` files, offering suggestedName; empty when
  // cancelled.
  virtual QString exportFile(QWidget* parent, const QString& suggestedName,
                             const QString& extension) = 0;
  // A file opened another way (the command line): the choosers open in its folder next.
  virtual void remember(const QString& path) = 0;
};

// The folder the file choosers open in: the last one Open, Save As or the PDF chooser used,
// kept in the settings so that it outlasts the run; at first the user's documents folder (or
// home).
class FolderMemory {
 public:
  // settingsFile: an INI file of the program's settings; empty for the user's own.
  explicit FolderMemory(const QString& settingsFile = {});
  ~FolderMemory();
  QString folder() const;
  void remember(const QString& filePath);

 private:
  std::unique_ptr<QSettings> settings_;
};

// The file dialogs, modal, opening in the folder last used.
class QtFileChooser : public FileChooser {
 public:
  explicit QtFileChooser(const QString& settingsFile = {}) : folders_(settingsFile) {}
  QString folder() const { return folders_.folder(); }
  QString warriorFile(QWidget* parent, bool forSaving, const QString& suggestedPath) override;
  QStringList warriorFilesToOpen(QWidget* parent) override;
  QString pdfFile(QWidget* parent, const QString& suggestedName) override;
  QString exportTemplate(QWidget* parent, const QStringList& names) override;
  QString exportFile(QWidget* parent, const QString& suggestedName,
                     const QString& extension) override;
  void remember(const QString& path) override { folders_.remember(path); }

 private:
  FolderMemory folders_;
};

}  // namespace dk::ui
