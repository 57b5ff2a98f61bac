#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build, the build with
# AddressSanitizer and UndefinedBehaviorSanitizer, the installed program with its desktop files
# and Debian package, and a short bounded fuzz run of the reader.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

for preset in default sanitize; do
  echo "=== $preset build ==="
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j2
done

echo "=== installed program, desktop integration and Debian package ==="
bash scripts/check-desktop.sh build/default

echo "=== warrior file benchmark (saving and opening beside plain file I/O) ==="
./build/default/tests/core_bench --benchmark_min_time=0.05

echo "=== window benchmarks (offscreen): a New with its catalogues (aim: under 15 ms), the sheet into a PDF (aim: under 50 ms) ==="
./build/default/tests/ui_bench --benchmark_min_time=0.2

echo "=== start-up: the first visible window beside a bare Qt 6 QMainWindow program (aim: at most 1.1x) ==="
bash scripts/bench-startup.sh build/default

echo "=== fuzzing every file reader ==="
bash scripts/run-fuzz.sh 180
