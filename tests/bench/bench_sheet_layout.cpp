// Laying out the character sheet: a full one-page sheet, and a warrior whose lists and notes
// need continuation pages.
#include <benchmark/benchmark.h>

#include <string>

#include "core/printing/CharacterSheet.h"
#include "core/printing/TextWrap.h"

namespace {

// Counts what it is given and lays rectangles out at 29 characters and 200 twips a line.
class CountingSurface : public dk::PrintSurface {
 public:
  std::size_t characters = 0;
  void discardDocument() override { characters = 0; }
  void setPreview(bool) override {}
  void setPortrait() override {}
  void setDocumentName(const std::string&) override {}
  void startDocument() override {}
  void setMargins(int, int, int, int) override {}
  void setBold(bool) override {}
  void setFontName(const std::string&) override {}
  void setFontSize(int) override {}
  void setCurrentX(int) override {}
  void setCurrentY(int) override {}
  void printText(const std::string& text) override { characters += text.size(); }
  std::size_t printTextInRectangle(const std::string& text, int, int, int width,
                                   int height) override {
    const auto lines = dk::wrapText(text, width / dk::kSheetCharacterWidth);
    const auto fit = static_cast<std::size_t>(height / dk::kSheetRowHeight);
    return lines.size() <= fit ? text.size() : lines[fit].begin;
  }
  void newPage() override {}
  int controlWidth() const override { return dk::kPreviewControlWidth; }
  void endDocument() override {}
};

dk::Warrior sheetWarrior(int skills, int gear, std::size_t noteBytes) {
  dk::Warrior w;
  w.name = "Kai, the Second";
  w.attributeScore = {"6", "5", "4", "5", "3"};
  for (int i = 0; i < skills; ++i)
    w.innerSphere().skills.push_back({"Skill number " + std::to_string(i), "3", "7"});
  for (int i = 0; i < 8; ++i) w.advantages.push_back({"Advantage " + std::to_string(i), "2"});
  for (int i = 0; i < gear; ++i) {
    w.weapons.push_back({"Weapon model " + std::to_string(i), "1"});
    w.equipment.push_back({"Equipment item " + std::to_string(i), "3"});
  }
  while (w.notes.size() < noteBytes) w.notes += "A line of notes about the warrior's past.\n";
  return w;
}

void BM_SheetLayoutOnePage(benchmark::State& state) {
  const dk::Warrior w = sheetWarrior(30, 9, 120);
  CountingSurface surface;
  for (auto _ : state) {
    dk::printWarriorSheet(w, surface, true);
    benchmark::DoNotOptimize(surface.characters);
  }
}
BENCHMARK(BM_SheetLayoutOnePage);

void BM_SheetLayoutWithContinuation(benchmark::State& state) {
  const dk::Warrior w = sheetWarrior(200, 100, 10 * 1024);
  CountingSurface surface;
  for (auto _ : state) {
    dk::printWarriorSheet(w, surface, true);
    benchmark::DoNotOptimize(surface.characters);
  }
}
BENCHMARK(BM_SheetLayoutWithContinuation);

}  // namespace
