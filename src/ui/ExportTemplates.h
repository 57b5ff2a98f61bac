#pragma once
// Export through templates on the window side: the file written whole or not at all (QSaveFile),
// and the menus' way there: the template picked from the list of templates by name, the file
// asked for under "<name>.<extension>", and one box for a mistake in the template or a failed
// write. The command line's --export writes through the same call.

#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "core/context/Prompter.h"
#include "core/context/SharedState.h"
#include "core/printing/TemplateExport.h"

namespace dk::ui {

class FileChooser;

// The export of `count` warriors into the file at `path`; nothing is written, and an earlier
// file of that name stays as it was, when a warrior cannot be read or the write fails (the
// message says which).
Outcome writeTemplateExport(const QString& path, const ExportTemplate& exportTemplate, int count,
                            const std::function<Result<Warrior>(int)>& warriorAt);

// "Export with Template..." and "Export All with Template...": the templates of the shipped data
// folder and the table's own, the one picked read and checked, the file chosen (offered
// suggestedName(extension)), the warriors written.
void exportWithTemplate(QWidget* parent, FileChooser& files, Prompter& prompter,
                        const SharedState& shared, int count,
                        const std::function<Result<Warrior>(int)>& warriorAt,
                        const std::function<std::string(const std::string&)>& suggestedName);

}  // namespace dk::ui
