#include "ui/Tools.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/app/CheckWarrior.h"
#include "core/app/OpenWarrior.h"
#include "core/app/OwnCatalogues.h"
#include "core/app/WarriorDocument.h"
#include "core/context/Prompter.h"
#include "core/files/CatalogueFiles.h"
#include "core/files/WarriorFile.h"
#include "core/forge/RandomBatch.h"
#include "core/printing/CharacterSheet.h"
#include "core/printing/PrintMessages.h"
#include "core/printing/TemplateExport.h"
#include "ui/ExportTemplates.h"
#include "ui/print/SheetRenderer.h"

namespace dk::ui {

QString programFolder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? QString() : QString::fromStdString(self.parent_path().string());
}

int checkWarriorFiles(const QStringList& paths, const QStringList& named,
                      const QString& dataFolder) {
  const CheckCatalogues catalogues =
      readCheckCatalogues({dataFolder.toStdString(), ownCatalogueFolders()});
  int status = 0;
  for (qsizetype i = 0; i < paths.size(); ++i) {
    const QString shown = i < named.size() ? named[i] : paths[i];
    const auto result = checkWarriorFile(paths[i].toStdString(), shown.toStdString(), catalogues);
    if (!result) {
      std::fprintf(stderr, "%s\n", result.message().c_str());
      status = 2;
      continue;
    }
    for (const std::string& line : result->lines) std::printf("%s\n", line.c_str());
    if (!result->legal && status == 0) status = 1;
  }
  return status;
}

namespace {
// A user at the command line: what a rule would show in a box goes to standard error, and every
// question is answered No (opening a warrior asks none).
class CommandLinePrompter : public DecliningPrompter {
 public:
  void showMessage(const std::string& text, MessageIcon) override {
    std::fprintf(stderr, "%s\n", text.c_str());
  }
};
}  // namespace

int exportWarriorsPdf(const QString& out, const QStringList& paths, const QStringList& named,
                      const QString& dataFolder) {
  const auto shown = [&](qsizetype i) {
    return (i < named.size() ? named[i] : paths[i]).toStdString();
  };
  // Every file read and checked first: one that cannot be read leaves no PDF behind.
  for (qsizetype i = 0; i < paths.size(); ++i) {
    const ReadOutcome read = openWarriorFile(paths[i].toStdString());
    if (read.status != ReadOutcome::Ok) {
      std::fprintf(stderr, "%s\n", openFailedMessage(read, shown(i)).c_str());
      return 1;
    }
  }
  AppState app;
  app.dataFolder = dataFolder.toStdString();
  app.ownCatalogueFolders = ownCatalogueFolders();
  CommandLinePrompter prompter;
  SheetRun run;
  run.count = static_cast<int>(paths.size());
  // Each warrior as its window would hold it, drawn when its turn comes.
  run.sheet = [&](int i) {
    const ReadOutcome read = openWarriorFile(paths[i].toStdString());
    QtPrintSurface surface;
    if (read.opened) {
      const WarriorDocument document(warriorFromFile(*read.opened, app, prompter), app, prompter);
      printWarriorSheet(document.warrior(), surface, false);
    }
    return surface.document();
  };
  const Outcome written = writeSheetsPdf(run, QFileInfo(out).completeBaseName(), out.toStdString());
  if (!written) {
    std::fprintf(stderr, "%s\n", pdfFailedMessage(out.toStdString(), written.message()).c_str());
    return 1;
  }
  return 0;
}

int exportWarriorsTemplate(const QString& templateName, const QString& out,
                           const QStringList& paths, const QStringList& named,
                           const QString& dataFolder, const QString& workingFolder) {
  const std::vector<std::string> ownFolders = ownTemplateFolders(ownCatalogueFolders());
  // A name with a slash or the template suffix is a file; any other, a template by name.
  const std::string given = templateName.toStdString();
  std::optional<TemplateFile> file;
  const bool isPath = templateName.contains('/') || templateName.endsWith(kTemplateSuffix);
  if (isPath) {
    file = templateFileAt(
        QFileInfo(QDir(workingFolder), templateName).absoluteFilePath().toStdString());
  } else {
    const std::vector<TemplateFile> templates = listTemplates(dataFolder.toStdString(), ownFolders);
    file = findTemplate(templates, given);
    if (!file) {
      std::string known;
      for (const TemplateFile& t : templates) known += (known.empty() ? "" : ", ") + t.name;
      std::fprintf(stderr, "%s: no export template of that name (there are: %s)\n", given.c_str(),
                   known.empty() ? "none" : known.c_str());
      return 1;
    }
  }
  const Result<ExportTemplate> compiled = readExportTemplate(*file, isPath ? given : file->path);
  if (!compiled) {
    std::fprintf(stderr, "%s\n", compiled.message().c_str());
    return 1;
  }
  AppState app;
  app.dataFolder = dataFolder.toStdString();
  app.ownCatalogueFolders = ownCatalogueFolders();
  CommandLinePrompter prompter;
  // Each warrior read when its turn comes, as its window would hold it, and dropped after.
  const auto warriorAt = [&](int i) {
    const ReadOutcome read = openWarriorFile(paths[i].toStdString());
    if (read.status != ReadOutcome::Ok || !read.opened)
      return Result<Warrior>::failure(
          openFailedMessage(read, (i < named.size() ? named[i] : paths[i]).toStdString()));
    const WarriorDocument document(warriorFromFile(*read.opened, app, prompter), app, prompter);
    return Result<Warrior>(document.warrior());
  };
  const Outcome written =
      writeTemplateExport(out, *compiled, static_cast<int>(paths.size()), warriorAt);
  if (!written) {
    std::fprintf(stderr, "%s\n", written.message().c_str());
    return 1;
  }
  return 0;
}

int checkDataFiles(const QString& folder, const QString& dataFolder) {
  const DataCheck check = checkCatalogueData(
      folder.isEmpty() ? std::nullopt : std::optional(folder.toStdString()),
      {dataFolder.toStdString(), ownCatalogueFolders()}, ownTemplateFolders(ownCatalogueFolders()));
  for (const std::string& line : check.lines) std::printf("%s\n", line.c_str());
  return check.clean ? 0 : 1;
}

int writeRandomWarriorFiles(qulonglong count, const QString& profile, qulonglong seed,
                            const QString& folder, const QString& dataFolder) {
  RandomBatch batch{static_cast<std::size_t>(count),
                    profile.isEmpty() ? std::nullopt : std::optional(profile.toStdString()), seed,
                    folder.toStdString()};
  const BatchOutcome made =
      writeRandomWarriors(batch, {dataFolder.toStdString(), ownCatalogueFolders()});
  for (const std::string& line : made.out) std::printf("%s\n", line.c_str());
  for (const std::string& line : made.err) std::fprintf(stderr, "%s\n", line.c_str());
  return made.exitCode;
}

}  // namespace dk::ui
