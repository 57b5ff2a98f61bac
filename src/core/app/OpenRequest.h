#pragma once
// The request a second start of the program hands to the one already running: "open these
// warrior files". It is a door into the running program, so the reader takes only a small,
// well-formed message of this version and nothing else:
//
//   DRAKKENFOLD OPEN 1
//   /absolute/path/one.war
//   ...                      (up to 100 paths, each UTF-8 on one line; none: come to the front)
//   END
//
// The running program answers "OPENED <windows now open>" or "REFUSED", each on a line.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dk {

inline constexpr std::size_t kMaxOpenRequestBytes = 64 * 1024;
inline constexpr std::size_t kMaxOpenRequestFiles = 100;
inline constexpr std::size_t kMaxRequestPathBytes = 4096;
inline constexpr char kRefusedReply[] = "REFUSED\n";

std::string formatOpenRequest(const std::vector<std::string>& paths);

// The paths of a well-formed request (perhaps none); nullopt for anything else.
std::optional<std::vector<std::string>> parseOpenRequest(std::string_view bytes);

// Whether the bytes so far can still become a request: they are within the size and end with
// no END line yet.
bool openRequestIncomplete(std::string_view bytes);

// "OPENED 3\n".
std::string openedReply(std::size_t windowsOpen);

}  // namespace dk
