#!/usr/bin/env bash
# The time from start to the first visible window, the program beside a bare Qt 6 QMainWindow
# program, on a virtual screen; each started in turn, the median of the runs. The program should
# take at most 1.1 times the bare one.
#   scripts/bench-startup.sh [build folder] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/default}"
runs="${2:-11}"
program="$build/src/drakkenfold"
bare="$build/tests/bare_window"

home="$(mktemp -d)"
trap 'kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$home"' EXIT
export XDG_RUNTIME_DIR="$home/run" XDG_STATE_HOME="$home/state" XDG_CONFIG_HOME="$home/config"
mkdir -m 700 "$XDG_RUNTIME_DIR"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
unset QT_QPA_PLATFORM

# Milliseconds from the start of a program until it maps a window.
first_window() {
  local start pid
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do :; done
  echo $(( ($(date +%s%N) - start) / 1000000 ))
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
}

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

first_window "$bare" >/dev/null  # the libraries into the cache for both
programs=() bares=()
for _ in $(seq "$runs"); do
  programs+=("$(first_window "$program" --new-instance)")
  bares+=("$(first_window "$bare")")
done
p=$(printf '%s\n' "${programs[@]}" | median)
b=$(printf '%s\n' "${bares[@]}" | median)
ratio=$(awk -v p="$p" -v b="$b" 'BEGIN { printf "%.2f", p / b }')
echo "first visible window: program $p ms, bare Qt program $b ms, ratio $ratio (aim: at most 1.10)"
