#pragma once
#include <QString>
#include <QStringList>
#include <QWidget>

namespace dk::ui {

// The filter entries of the warrior file choosers.
QStringList warriorFileFilters();

// The folder the file choosers open in: the last one used in this run, at first the user's
// documents folder (or home).
class FolderMemory {
 public:
  QString folder() const;
  void remember(const QString& filePath);

 private:
  QString folder_;
};

// Shows the warrior file chooser (CD1) modally: for saving or for opening. Returns the chosen
// absolute path, or an empty text when the user cancelled.
QString chooseWarriorFile(QWidget* parent, bool forSaving, FolderMemory& memory,
                          const QString& suggestedPath = {});

}  // namespace dk::ui
