#pragma once
// A warrior on its way into a window, whichever way it comes: the bytes of its file and the file
// it belongs to. A copy the recovery folder kept (a session that did not end cleanly, a window
// closed with changes) names that copy too, for the message of the copies that do not read, and
// opens as unsaved.

#include <string>

namespace dk {

struct Arrival {
  std::string bytes;
  std::string path;      // the warrior's own file; empty for none
  std::string keptFile;  // the recovery folder's copy, when it is one
  bool kept() const { return !keptFile.empty(); }
};

}  // namespace dk
