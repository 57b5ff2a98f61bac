#pragma once
// Finding the platform's system-information viewer for the About box.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace dk {

inline constexpr const char* kSystemInfoUnavailable =
    "System Information Is Unavailable At This Time";

// Well-known system-information viewers of this platform, in order of preference.
const std::vector<std::string>& systemInfoCandidates();

// The full path of the first candidate found as an executable file in one of the folders of a
// PATH-style list (folders separated by ':'); nullopt when none is installed.
std::optional<std::string> findSystemInfoTool(
    const std::string& pathList, const std::function<bool(const std::string&)>& isExecutable);

}  // namespace dk
