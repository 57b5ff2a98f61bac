#include "ui/ExportTemplates.h"

#include <QSaveFile>

#include "ui/FileChooser.h"

namespace dk::ui {

Outcome writeTemplateExport(const QString& path, const ExportTemplate& exportTemplate, int count,
                            const std::function<Result<Warrior>(int)>& warriorAt) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return Outcome::failure(
        exportFailedMessage(path.toStdString(), file.errorString().toStdString()));
  const Outcome rendered =
      renderExport(exportTemplate, count, warriorAt, [&file](std::string_view piece) {
        return file.write(piece.data(), static_cast<qint64>(piece.size())) ==
               static_cast<qint64>(piece.size());
      });
  if (!rendered) {
    // A warrior that could not be read says so itself; a write that failed, in the file's words
    // (taken before the cancel, which sets an error of its own).
    const bool writeFailed = file.error() != QFileDevice::NoError;
    const std::string why = file.errorString().toStdString();
    file.cancelWriting();
    return Outcome::failure(writeFailed ? exportFailedMessage(path.toStdString(), why)
                                        : rendered.message());
  }
  if (!file.commit())
    return Outcome::failure(
        exportFailedMessage(path.toStdString(), file.errorString().toStdString()));
  return done();
}

void exportWithTemplate(QWidget* parent, FileChooser& files, Prompter& prompter,
                        const SharedState& shared, int count,
                        const std::function<Result<Warrior>(int)>& warriorAt,
                        const std::function<std::string(const std::string&)>& suggestedName) {
  if (count <= 0) return;
  const std::vector<TemplateFile> templates =
      listTemplates(shared.dataFolder, ownTemplateFolders(shared.ownCatalogueFolders));
  if (templates.empty()) {
    prompter.showMessage(noTemplatesMessage(shippedTemplateFolder(shared.dataFolder)),
                         MessageIcon::Critical);
    return;
  }
  QStringList names;
  for (const TemplateFile& t : templates) names << QString::fromStdString(t.name);
  const QString picked = files.exportTemplate(parent, names);
  if (picked.isEmpty()) return;
  const auto chosen = findTemplate(templates, picked.toStdString());
  if (!chosen) return;
  // The template is checked before the file is asked for: a mistake writes nothing.
  const Result<ExportTemplate> compiled = readExportTemplate(*chosen, chosen->path);
  if (!compiled) {
    prompter.showMessage(compiled.message(), MessageIcon::Critical);
    return;
  }
  const QString path =
      files.exportFile(parent, QString::fromStdString(suggestedName(chosen->extension)),
                       QString::fromStdString(chosen->extension));
  if (path.isEmpty()) return;
  const Outcome written = writeTemplateExport(path, *compiled, count, warriorAt);
  if (!written) prompter.showMessage(written.message(), MessageIcon::Critical);
}

}  // namespace dk::ui
