#pragma once
// A warrior on its way into a window, whichever way it comes: the bytes of its file and the file
// it belongs to. A copy the recovery folder kept (a session that did not end cleanly, a window
// closed with changes) names that copy too, for the message of the copies that do not read, and
// opens as unsaved.

#include <string>

#include "core/files/ReadFile.h"

namespace dk {

struct Arrival {
  std::string bytes;
  std::string path;      // the warrior's own file; empty for none
  std::string keptFile;  // the recovery folder's copy, when it is one
  FileStamp stamp;       // the warrior's own file as it was read (unknown for a kept copy)
  bool kept() const { return !keptFile.empty(); }
};

}  // namespace dk
