// The character sheet from record to PDF: layout, rendering into a PDF in memory, and the whole
// "Save as PDF..." path with its safe write to disk. Aim: under 50 ms for a full sheet.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "core/printing/CharacterSheet.h"
#include "ui/print/SheetRenderer.h"

namespace {

// The fonts need an application; the benchmarks of other windows may have made one already.
void ensureApplication() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "ui_bench";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

dk::Warrior fullSheet() {
  dk::Warrior w;
  w.name = "Kai, the Second";
  w.rank = "Captain";
  w.attributeScore = {"8", "5", "4", "5", "3"};
  for (int i = 0; i < 35; ++i)
    w.innerSphere().skills.push_back({"Skill number " + std::to_string(i), "3", "7"});
  for (int i = 0; i < 15; ++i) w.advantages.push_back({"Advantage " + std::to_string(i), "2"});
  for (int i = 0; i < 9; ++i) w.weapons.push_back({"Weapon model " + std::to_string(i), "1"});
  for (int i = 0; i < 31; ++i) w.equipment.push_back({"Equipment item " + std::to_string(i), "3"});
  w.notes = "Served two tours on the rim.\nOwes Tomas 300 C-Bills, and knows it.";
  return w;
}

void BM_SheetIntoPdfInMemory(benchmark::State& state) {
  ensureApplication();
  const dk::Warrior w = fullSheet();
  for (auto _ : state) {
    dk::ui::QtPrintSurface surface;
    dk::printWarriorSheet(w, surface, false);
    benchmark::DoNotOptimize(dk::ui::renderPdf(surface.document()));
  }
  state.SetLabel("layout + rendering");
}
BENCHMARK(BM_SheetIntoPdfInMemory)->Unit(benchmark::kMillisecond);

void BM_SheetSavedAsPdf(benchmark::State& state) {
  ensureApplication();
  const dk::Warrior w = fullSheet();
  QTemporaryDir dir;
  const std::string path = dir.filePath("sheet.pdf").toStdString();
  for (auto _ : state) {
    dk::ui::QtPrintSurface surface;
    dk::printWarriorSheet(w, surface, false);
    if (!dk::ui::writePdf(surface.document(), path).ok()) state.SkipWithError("not written");
  }
  state.SetLabel("layout + rendering + safe write");
}
BENCHMARK(BM_SheetSavedAsPdf)->Unit(benchmark::kMillisecond);

}  // namespace
