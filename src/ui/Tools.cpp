#include "ui/Tools.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/app/CheckWarrior.h"

namespace dk::ui {

QString programFolder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? QString() : QString::fromStdString(self.parent_path().string());
}

int checkWarriorFiles(const QStringList& paths, const QStringList& named,
                      const QString& dataFolder) {
  const CheckCatalogues catalogues = readCheckCatalogues(dataFolder.toStdString());
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

}  // namespace dk::ui
