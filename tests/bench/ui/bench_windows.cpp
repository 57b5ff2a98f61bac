// Creating a new warrior window with its catalogues loaded, on the offscreen platform: the time
// of one New (window built, catalogue read, pages drawn, window closed again) and the heap a
// window holds while it stays open. Our aim is under 15 ms a window.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include "TestPaths.h"
#include "core/app/Commands.h"
#include "ui/MainFrame.h"
#include "ui/WarriorTable.h"
#include "ui/WarriorWindow.h"

namespace {

// Heap bytes in use (what the resident size hides once freed memory is reused).
double heapInUse() { return static_cast<double>(mallinfo2().uordblks); }

void closeAll(dk::ui::MainFrame& frame) {
  frame.mdiArea()->closeAllSubWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

dk::ui::MainFrame& frame() {
  static dk::ui::MainFrame* shared = [] {
    auto* f = new dk::ui::MainFrame;
    f->show();
    return f;
  }();
  return *shared;
}

void BM_NewWarriorWindow(benchmark::State& state) {
  dk::ui::MainFrame& f = frame();
  for (auto _ : state) {
    dk::ui::WarriorWindow* window = f.newWarrior();
    benchmark::DoNotOptimize(window);
    closeAll(f);
  }
}
BENCHMARK(BM_NewWarriorWindow)->Unit(benchmark::kMillisecond);

void BM_OpenWindowsMemory(benchmark::State& state) {
  dk::ui::MainFrame& f = frame();
  constexpr int kWindows = 20;
  double perWindow = 0;
  for (auto _ : state) {
    closeAll(f);
    const double before = heapInUse();
    for (int i = 0; i < kWindows; ++i) f.newWarrior();
    QCoreApplication::processEvents();
    perWindow = (heapInUse() - before) / kWindows;
    state.PauseTiming();
    closeAll(f);
    state.ResumeTiming();
  }
  state.counters["heap_MB_per_window"] = perWindow / (1024.0 * 1024.0);
}
BENCHMARK(BM_OpenWindowsMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

// Undo of one step with every page redrawn, and redo of it again: each must fit in a frame of
// the screen (16 ms).
void BM_UndoOneStepWithRedraw(benchmark::State& state) {
  dk::ui::MainFrame& f = frame();
  dk::ui::WarriorWindow* window = f.newWarrior();
  window->run(dk::commands::raiseAttribute(dk::kBLD));
  for (auto _ : state) {
    window->undo();
    window->redo();
  }
  state.counters["per_undo_or_redo"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * 2,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  closeAll(f);
}
BENCHMARK(BM_UndoOneStepWithRedraw)->Unit(benchmark::kMillisecond);

// A click (a raise and a lower of Build) in one of 20 windows, without the roster and with it
// open: the roster's redraw of the row stays inside the click's own time.
void BM_ClickWithTheRosterOfTwentyWindows(benchmark::State& state) {
  dk::ui::MainFrame& f = frame();
  for (int i = 0; i < 20; ++i) f.newWarrior();
  dk::ui::WarriorWindow* window = f.warriorWindows().back();
  if (state.range(0) != 0) f.table().showRoster();
  for (auto _ : state) {
    window->run(dk::commands::raiseAttribute(dk::kBLD));
    window->run(dk::commands::lowerAttribute(dk::kBLD));
  }
  state.counters["per_click"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * 2,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.SetLabel(state.range(0) != 0 ? "roster open" : "no roster");
  closeAll(f);
}
BENCHMARK(BM_ClickWithTheRosterOfTwentyWindows)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  // The windows' recovery folder and settings go to a folder of the run's own.
  QTemporaryDir home;
  qputenv("XDG_STATE_HOME", home.filePath("state").toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
  QApplication app(argc, argv);
  // The catalogues are found by bare name in the working folder, as the program finds them.
  QDir::setCurrent(QString(DRAKKENFOLD_DATA));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
