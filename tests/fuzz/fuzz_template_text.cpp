// A template of any bytes against a real warrior: the check either names its problems or the
// template renders, with every kind of escaping, without a crash or a hang.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/printing/TemplateExport.h"

namespace {
dk::Warrior warrior;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  warrior.name = "Kai <the> \"Second\" | & 'x'";
  warrior.rank = "Captain";
  warrior.innerSphere().skills = {{"Gunnery", "3", "7"}, {"Piloting", "2", "8"}};
  warrior.advantages = {{"Toughness", "2"}};
  warrior.weapons = {{"Laser Pistol", "2"}};
  warrior.equipment = {{"Flak Vest", "1"}, {"Medkit", "3"}};
  warrior.mosName1 = "Pilot";
  warrior.damageBoxes[0][1] = 1;
  warrior.notes = "one\ntwo";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const char* const kExtensions[] = {"html", "md", "txt"};
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto compiled = dk::compileTemplate(text, "t.mustache", kExtensions[data[0] % 3]);
  const bool clean = dk::templateProblems(text, "t.mustache").empty();
  // The check and the compile agree; a refused template says why.
  if (clean != compiled.ok() && compiled.message().find("cannot be read") == std::string::npos)
    std::abort();
  if (!compiled) {
    if (compiled.message().empty()) std::abort();
    return 0;
  }
  // None, one or two warriors (the first byte says, beside the extension): none renders a roster's
  // {{^warriors}}, two its {{#warriors}} twice over. Each warrior is a view built anew, the most of
  // a render's work, so the two are not made for every template.
  const int count = (data[0] / 3 + 1) % 3;  // the seeds (first byte 0 to 2) render one
  std::size_t written = 0;
  const dk::Outcome out = dk::renderExport(
      *compiled, count, [](int) { return dk::Result<dk::Warrior>(warrior); },
      [&written](std::string_view piece) {
        written += piece.size();
        return written < (std::size_t{64} << 20);
      });
  (void)out;
  return 0;
}
