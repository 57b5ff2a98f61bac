#include "TestPaths.h"

namespace dk::test {
const char* dataFolder() { return DRAKKENFOLD_SOURCE_DIR "/data"; }
const char* fixturesFolder() { return DRAKKENFOLD_SOURCE_DIR "/tests/fixtures"; }
const char* sourceFolder() { return DRAKKENFOLD_SOURCE_DIR; }
const char* programPath() { return DRAKKENFOLD_PROGRAM_PATH; }
}  // namespace dk::test
