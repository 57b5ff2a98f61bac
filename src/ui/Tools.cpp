#include "ui/Tools.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/app/CheckWarrior.h"
#include "core/app/OwnCatalogues.h"
#include "core/files/CatalogueFiles.h"

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

int checkDataFiles(const QString& folder, const QString& dataFolder) {
  const DataCheck check =
      checkCatalogueData(folder.isEmpty() ? std::nullopt : std::optional(folder.toStdString()),
                         {dataFolder.toStdString(), ownCatalogueFolders()});
  for (const std::string& line : check.lines) std::printf("%s\n", line.c_str());
  return check.clean ? 0 : 1;
}

}  // namespace dk::ui
