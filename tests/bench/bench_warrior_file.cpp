// Saving and opening a large warrior, beside reading and writing the same bytes with plain file
// I/O. Opening should cost at most twice a plain read of the same bytes, saving at most 2.5 times
// a synced write; BM_OpenBesidePlainRead and BM_SaveBesideSyncedWrite time both in one loop, turn
// about, so that a busy machine slows both alike.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/app/SaveWarrior.h"
#include "core/files/WarriorFile.h"

namespace {

// 200 skills, 16 advantages, 100 gear rows and 10 KB of notes.
dk::Warrior largeWarrior() {
  dk::Warrior w;
  w.name = "Kai, the Second";
  w.homePlanet = "Zo\u00eb's Reach";
  for (int i = 0; i < 200; ++i) {
    auto& list = i % 2 ? w.clan().skills : w.innerSphere().skills;
    list.push_back({"Skill number " + std::to_string(i), std::to_string(i % 10), "7"});
  }
  for (int i = 0; i < 16; ++i) w.advantages.push_back({"Advantage " + std::to_string(i), "2"});
  for (int i = 0; i < 50; ++i) {
    w.weapons.push_back({"Weapon model " + std::to_string(i), "1"});
    w.equipment.push_back({"Equipment item " + std::to_string(i), "3"});
  }
  for (int i = 0; i < 51; ++i) w.requiredSkills[i] = "Skill number " + std::to_string(i);
  while (w.notes.size() < 10 * 1024) w.notes += "A line of notes about the warrior's past.\n";
  return w;
}

const std::string& benchFolder() {
  static const std::string folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "dk-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    return pattern;
  }();
  return folder;
}

const dk::Warrior& theWarrior() {
  static const dk::Warrior w = largeWarrior();
  return w;
}

std::string plainRead(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string warriorPath() { return benchFolder() + "/large.war"; }
std::string plainPath() { return benchFolder() + "/plain.war"; }

const std::string& theBytes() {
  static const std::string bytes = dk::formatWarriorFile(theWarrior(), warriorPath());
  return bytes;
}

void BM_FormatWarrior(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(dk::formatWarriorFile(theWarrior(), warriorPath()));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(theBytes().size()));
}

void BM_SaveWarrior(benchmark::State& state) {
  for (auto _ : state)
    if (!dk::saveWarrior(theWarrior(), warriorPath()).ok()) state.SkipWithError("save failed");
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(theBytes().size()));
}

// The same bytes with an ofstream: no temporary file, no flush to the disk.
void BM_PlainWrite(benchmark::State& state) {
  for (auto _ : state) {
    std::ofstream out(plainPath(), std::ios::binary | std::ios::trunc);
    out.write(theBytes().data(), static_cast<std::streamsize>(theBytes().size()));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(theBytes().size()));
}

// The same bytes written and flushed to the disk, as a save must.
void BM_PlainWriteSynced(benchmark::State& state) {
  for (auto _ : state) {
    const int fd = ::open(plainPath().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (::write(fd, theBytes().data(), theBytes().size()) < 0) state.SkipWithError("write");
    ::fsync(fd);
    ::close(fd);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(theBytes().size()));
}

void BM_ParseWarrior(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(dk::parseWarriorFile(theBytes(), warriorPath()));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(theBytes().size()));
}

void BM_OpenWarrior(benchmark::State& state) {
  std::ofstream(warriorPath(), std::ios::binary) << theBytes();
  for (auto _ : state) {
    const dk::ReadOutcome r = dk::openWarriorFile(warriorPath());
    if (r.status != dk::ReadOutcome::Ok) state.SkipWithError("open failed");
    benchmark::DoNotOptimize(r);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(theBytes().size()));
}

void BM_PlainRead(benchmark::State& state) {
  std::ofstream(plainPath(), std::ios::binary) << theBytes();
  for (auto _ : state) benchmark::DoNotOptimize(plainRead(plainPath()));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(theBytes().size()));
}

// Opening a warrior and a plain read of the same file, side by side: the two times per
// iteration and their ratio.
void BM_OpenBesidePlainRead(benchmark::State& state) {
  std::ofstream(warriorPath(), std::ios::binary) << theBytes();
  using Clock = std::chrono::steady_clock;
  Clock::duration open{}, plain{};
  for (auto _ : state) {
    const auto t0 = Clock::now();
    const dk::ReadOutcome r = dk::openWarriorFile(warriorPath());
    const auto t1 = Clock::now();
    const std::string bytes = plainRead(warriorPath());
    const auto t2 = Clock::now();
    if (r.status != dk::ReadOutcome::Ok || bytes.size() != theBytes().size())
      state.SkipWithError("read failed");
    open += t1 - t0;
    plain += t2 - t1;
  }
  const auto us = [&](Clock::duration d) {
    const double iterations = static_cast<double>(state.iterations());
    return std::chrono::duration<double, std::micro>(d).count() / iterations;
  };
  state.counters["open_us"] = us(open);
  state.counters["plain_read_us"] = us(plain);
  state.counters["open_per_plain"] = us(open) / us(plain);
}

// A save (format, temporary file, flush, rename) beside a synced plain write of the same bytes,
// turn about: at most 2.5 times.
void BM_SaveBesideSyncedWrite(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  Clock::duration save{}, plain{};
  for (auto _ : state) {
    const auto t0 = Clock::now();
    const bool saved = dk::saveWarrior(theWarrior(), warriorPath()).ok();
    const auto t1 = Clock::now();
    const int fd = ::open(plainPath().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const bool written = ::write(fd, theBytes().data(), theBytes().size()) >= 0 && ::fsync(fd) == 0;
    ::close(fd);
    const auto t2 = Clock::now();
    if (!saved || !written) state.SkipWithError("write failed");
    save += t1 - t0;
    plain += t2 - t1;
  }
  state.counters["save_per_synced_write"] =
      std::chrono::duration<double>(save).count() / std::chrono::duration<double>(plain).count();
}

}  // namespace

BENCHMARK(BM_OpenBesidePlainRead);
BENCHMARK(BM_SaveBesideSyncedWrite);
BENCHMARK(BM_FormatWarrior);
BENCHMARK(BM_SaveWarrior);
BENCHMARK(BM_PlainWrite);
BENCHMARK(BM_PlainWriteSynced);
BENCHMARK(BM_ParseWarrior);
BENCHMARK(BM_OpenWarrior);
BENCHMARK(BM_PlainRead);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(benchFolder());
  return 0;
}
