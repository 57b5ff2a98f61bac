// 500 warrior windows open at once, each with all its catalogues: how much memory a window costs
// and whether the 500th New takes longer than the first. Run with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMdiArea>
#include <fstream>
#include <memory>
#include <vector>

#include "TestPaths.h"
#include "ui/FileChooser.h"
#include "ui/MainFrame.h"
#include "ui/QtPrompter.h"
#include "ui/WarriorWindow.h"

namespace {
constexpr int kWindows = 500;
constexpr int kSample = 10;  // single News are noisy: compare the first ten with the last ten

void ensureApplication() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "ui_bench";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

// Resident memory of the process in KiB.
double residentKiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024.0;
}

void BM_FiveHundredWarriorWindows(benchmark::State& state) {
  ensureApplication();
  const QString before = QDir::currentPath();
  QDir::setCurrent(QString(DRAKKENFOLD_DATA));  // the catalogues beside the program
  for (auto _ : state) {
    dk::ui::MainFrame frame;
    frame.resize(1600, 1000);
    frame.show();
    QApplication::processEvents();
    std::vector<double> ms;
    ms.reserve(kWindows);
    const double startKiB = residentKiB();
    double firstKiB = 0;
    QElapsedTimer clock;
    double commandFirstTen = 0;
    double commandLastTen = 0;
    for (int i = 0; i < kWindows; ++i) {
      clock.start();
      dk::ui::WarriorWindow* w = frame.newWarrior();
      // The command alone, before the events it leaves behind are handled.
      const double commandMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
      if (i < kSample) commandFirstTen += commandMs / kSample;
      if (i >= kWindows - kSample) commandLastTen += commandMs / kSample;
      QApplication::processEvents();  // shown and laid out, as the user would see it
      ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
      if (!w) state.SkipWithError("New gave no window");
      if (i == 0) firstKiB = residentKiB();
    }
    const double endKiB = residentKiB();
    double firstTen = 0;
    double lastTen = 0;
    for (int i = 0; i < kSample; ++i) {
      firstTen += ms[static_cast<std::size_t>(i)] / kSample;
      lastTen += ms[static_cast<std::size_t>(kWindows - kSample + i)] / kSample;
    }
    state.counters["command_first10_ms"] = commandFirstTen;
    state.counters["command_last10_ms"] = commandLastTen;
    state.counters["new_first_ms"] = ms.front();  // the click to the painted window
    state.counters["w500_ms"] = ms.back();
    state.counters["first10_ms"] = firstTen;
    state.counters["last10_ms"] = lastTen;
    state.counters["new_last10_per_first10"] = lastTen / firstTen;
    state.counters["first_window_KiB"] = firstKiB - startKiB;
    state.counters["KiB_per_window"] = (endKiB - firstKiB) / (kWindows - 1);
    state.counters["windows"] =
        static_cast<double>(frame.findChild<QMdiArea*>()->subWindowList().size());
  }
  QDir::setCurrent(before);
}
BENCHMARK(BM_FiveHundredWarriorWindows)->Iterations(1)->Unit(benchmark::kMillisecond);

// The same 500 windows built without the frame's MDI area: what a window and its catalogues
// cost by themselves, so growth in the frame shows apart from growth in the window.
void BM_FiveHundredWindowsWithoutTheFrame(benchmark::State& state) {
  ensureApplication();
  const QString before = QDir::currentPath();
  QDir::setCurrent(QString(DRAKKENFOLD_DATA));
  for (auto _ : state) {
    dk::AppState app;
    dk::ui::QtPrompter prompter;
    dk::ui::QtFileChooser files;
    std::vector<std::unique_ptr<dk::ui::WarriorWindow>> windows;
    double firstTen = 0;
    double lastTen = 0;
    QElapsedTimer clock;
    for (int i = 0; i < kWindows; ++i) {
      clock.start();
      windows.push_back(
          std::make_unique<dk::ui::WarriorWindow>(app, prompter, files, dk::Warrior{}));
      const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
      if (i < kSample) firstTen += ms / kSample;
      if (i >= kWindows - kSample) lastTen += ms / kSample;
      // Events a new window posts are handled before the next one, as in the running program;
      // a queue left to grow would make every later post slower.
      QApplication::processEvents();
    }
    state.counters["first10_ms"] = firstTen;
    state.counters["last10_ms"] = lastTen;
    state.counters["last10_per_first10"] = lastTen / firstTen;
  }
  QDir::setCurrent(before);
}
BENCHMARK(BM_FiveHundredWindowsWithoutTheFrame)->Iterations(1)->Unit(benchmark::kMillisecond);
}  // namespace
