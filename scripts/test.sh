#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds, and runs every test: the normal build,
# the build with AddressSanitizer and UndefinedBehaviorSanitizer, the installed program with its desktop files
# and Debian package, the benchmarks, and a short bounded fuzz run of every file reader. Every
# step has a time limit: a step that hangs fails the run, named, well inside CI's own limit.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# step SECONDS NAME COMMAND...: runs the command with its own time limit.
step() {
  local limit="$1" name="$2" status=0
  shift 2
  echo "=== $name ==="
  timeout --kill-after=15 "$limit" "$@" || status=$?
  if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    echo "test.sh: the step \"$name\" did not end within $limit s and was stopped" >&2
  elif [ "$status" -ne 0 ]; then
    echo "test.sh: the step \"$name\" failed (status $status)" >&2
  fi
  return "$status"
}

step 120 "formatting (clang-format)" bash scripts/check-format.sh

for preset in default sanitize; do
  step 1500 "$preset build" bash -c "cmake --preset $preset >/dev/null && cmake --build --preset $preset"
  # Every test has its own limit as well (tests/CMakeLists.txt).
  step 600 "$preset tests" ctest --preset "$preset" -j2 --timeout 300
done

step 300 "installed program, desktop integration and Debian package" \
  bash scripts/check-desktop.sh build/default

step 120 "warrior file benchmark (opening at most 2x a plain read, saving at most 2.5x a synced write)" \
  ./build/default/tests/core_bench --benchmark_min_time=0.05

step 120 "Check Warrior: --check over 1,000 warrior files beside cat of the same files (aim: at most 5x)" \
  bash scripts/bench-check.sh build/default

step 120 "the forge: --random 1000 beside --check of the same files (aim: under 1 s, at most 3x, memory flat)" \
  bash scripts/bench-random.sh build/default

step 120 "every sheet into one PDF: --pdf of 100 warriors beside one (aim: under 1 s, memory flat)" \
  bash scripts/bench-pdf.sh build/default

step 120 "export through a template: --export html of 100 warriors beside --pdf of them (aim: under 0.5 s, at most 2x the PDF, memory flat)" \
  bash scripts/bench-export.sh build/default

step 180 "window benchmarks (offscreen): a New with its catalogues (aim: under 15 ms), the sheet into a PDF (aim: under 50 ms)" \
  ./build/default/tests/ui_bench --benchmark_min_time=0.2

step 120 "start-up: the first visible window beside a bare Qt 6 QMainWindow program (aim: at most 1.1x)" \
  bash scripts/bench-startup.sh build/default

step 400 "fuzzing every file reader" bash scripts/run-fuzz.sh 180
