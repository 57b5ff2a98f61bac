#include "core/app/SystemInfo.h"

namespace dk {

const std::vector<std::string>& systemInfoCandidates() {
  static const std::vector<std::string> names = {"hardinfo2",         "hardinfo",
                                                 "kinfocenter",       "gnome-system-monitor",
                                                 "xfce4-taskmanager", "lxtask"};
  return names;
}

std::optional<std::string> findSystemInfoTool(
    const std::string& pathList, const std::function<bool(const std::string&)>& isExecutable) {
  std::vector<std::string> folders;
  std::string::size_type start = 0;
  while (start <= pathList.size()) {
    const auto end = pathList.find(':', start);
    const std::string folder =
        pathList.substr(start, end == std::string::npos ? std::string::npos : end - start);
    // An empty entry would mean the working folder: never run a program from there.
    if (!folder.empty() && folder.front() == '/') folders.push_back(folder);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  for (const auto& name : systemInfoCandidates()) {
    for (const auto& folder : folders) {
      const std::string candidate = folder + (folder.back() == '/' ? "" : "/") + name;
      if (isExecutable(candidate)) return candidate;
    }
  }
  return std::nullopt;
}

}  // namespace dk
