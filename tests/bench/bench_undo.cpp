// What a step of the undo history costs: the time to keep one (a whole copy of the warrior and a
// comparison with the last) and its bytes, and the time to take 200 steps back.
#include <benchmark/benchmark.h>

#include "TestPaths.h"
#include "core/app/UndoHistory.h"
#include "core/context/SharedState.h"
#include "core/files/SkillFile.h"
#include "core/skills/SkillAreas.h"

namespace {

// A warrior as a window holds it: both catalogue lists filled, skills and gear bought.
dk::Warrior windowWarrior() {
  dk::Warrior w;
  const auto read = dk::readSkillCatalogue((std::string(DRAKKENFOLD_DATA) + "/skills.dat"));
  dk::showSkillCatalogue(w, dk::SkillArea::InnerSphere, (*read));
  dk::showSkillCatalogue(w, dk::SkillArea::Clan, (*read));
  for (int i = 0; i < 20; ++i)
    w.innerSphere().skills.push_back({(*read).skills[i].name, "2", "12"});
  for (int i = 0; i < 10; ++i) w.equipment.push_back({"Equipment item " + std::to_string(i), "1"});
  w.notes = std::string(600, 'n');
  return w;
}

std::size_t heapBytes(const std::string& s) { return s.capacity() > 15 ? s.capacity() + 1 : 0; }

// The heap a copy of the warrior takes beside its own size.
std::size_t snapshotBytes(const dk::Warrior& w) {
  std::size_t n = sizeof(dk::Warrior);
  const auto rows = [&](const auto& list, auto each) {
    n += list.capacity() * sizeof(list[0]);
    for (const auto& row : list) each(row);
  };
  const auto listed = [&](const auto& r) { n += heapBytes(r.name) + heapBytes(r.shown); };
  rows(w.innerSphere().list, listed);
  rows(w.clan().list, listed);
  rows(w.innerSphere().skills, [&](const dk::SkillEntry& s) { n += heapBytes(s.name); });
  rows(w.equipment, [&](const dk::GearEntry& g) { n += heapBytes(g.name); });
  return n + heapBytes(w.notes);
}

void BM_KeepOneUndoStep(benchmark::State& state) {
  dk::Warrior w = windowWarrior();
  dk::UndoHistory history(w);
  int score = 1;
  for (auto _ : state) {
    w.attributeScore[dk::kCHA] = std::to_string(score = score % 6 + 1);
    benchmark::DoNotOptimize(history.record("Raise Charisma", w));
  }
  state.counters["bytes_per_step"] = static_cast<double>(snapshotBytes(w));
}
BENCHMARK(BM_KeepOneUndoStep);

void BM_UndoTwoHundredSteps(benchmark::State& state) {
  dk::Warrior w = windowWarrior();
  dk::UndoHistory history(w);
  for (int i = 0; i < 200; ++i) {
    w.attributeScore[dk::kCHA] = std::to_string(i % 6 + 1);
    history.record("Raise Charisma", w);
  }
  for (auto _ : state) {
    for (int i = 0; i < 200; ++i) benchmark::DoNotOptimize(history.undo());
    state.PauseTiming();
    for (int i = 0; i < 200; ++i) history.redo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_UndoTwoHundredSteps)->Unit(benchmark::kMicrosecond);

}  // namespace
