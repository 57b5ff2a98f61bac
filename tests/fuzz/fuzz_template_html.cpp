// The shipped html template against any warrior file: a file that opens renders to a page that is
// always well-formed (the strict check of the tests), whatever its texts hold.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "../core/WellFormed.h"
#include "core/files/WarriorFile.h"
#include "core/printing/TemplateExport.h"

namespace {
std::optional<dk::ExportTemplate> page;
}  // namespace

// Run from the project's folder (scripts/run-fuzz.sh does), where data/templates lies.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  auto compiled =
      dk::readExportTemplate(dk::templateFileAt("data/templates/html.html.mustache"), "html");
  if (!compiled) {
    std::fprintf(stderr, "%s\n", compiled.message().c_str());
    std::abort();
  }
  page.emplace(std::move(*compiled));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const dk::ReadOutcome read = dk::parseWarriorFile(bytes, "/saves/fuzz.war");
  if (read.status != dk::ReadOutcome::Ok || !read.opened) return 0;
  std::string out;
  const dk::Outcome rendered = dk::renderExport(
      *page, 1, [&](int) { return dk::Result<dk::Warrior>(read.opened->warrior); },
      [&out](std::string_view piece) {
        out += piece;
        return true;
      });
  if (!rendered) std::abort();
  if (const std::string problem = dk::test::wellFormedProblem(out); !problem.empty()) {
    std::fprintf(stderr, "not well-formed: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
