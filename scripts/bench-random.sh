#!/usr/bin/env bash
# `drakkenfold --random 1000` into an empty folder, beside `--check` of the same 1,000 files, and
# the peak memory of 1,000 beside 10: the median of five runs. Aim: under 1 s, at most 3x the
# check, a peak that does not grow with N.
#   scripts/bench-random.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib/bench.sh
source scripts/lib/bench.sh
program="${1:-build/default}/src/drakkenfold"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# "milliseconds peak-KiB" of one run; a run that fails fails the benchmark.
run() {
  local report="$work/time" start
  start=$(date +%s%N)
  /usr/bin/time -f '%M' -o "$report" "$@" >/dev/null 2>"$work/err" || {
    cat "$work/err" >&2
    exit 1
  }
  echo "$(( ($(date +%s%N) - start) / 1000000 )) $(cat "$report")"
}

makes=() checks=() peaks=() small=()
for k in 1 2 3 4 5; do
  read -r ms kib < <(run "$program" --random 1000 --seed "$k" --out "$work/crew-$k")
  makes+=("$ms") peaks+=("$kib")
  files=("$work/crew-$k"/*.war)
  [ "${#files[@]}" -eq 1000 ] || { echo "--random 1000 wrote ${#files[@]} files" >&2; exit 1; }
  read -r ms _ < <(run "$program" --check "${files[@]}")
  checks+=("$ms")
  read -r _ kib < <(run "$program" --random 10 --seed "$k" --out "$work/few-$k")
  small+=("$kib")
  rm -rf "$work/crew-$k" "$work/few-$k"
done
m=$(printf '%s\n' "${makes[@]}" | median)
c=$(printf '%s\n' "${checks[@]}" | median)
p=$(printf '%s\n' "${peaks[@]}" | median)
s=$(printf '%s\n' "${small[@]}" | median)
ratio=$(awk -v m="$m" -v c="$c" 'BEGIN { printf "%.1f", m / (c > 0 ? c : 1) }')
echo "--random 1000: $m ms, --check of the same files $c ms, ratio $ratio (aim: under 1000 ms, at most 3);" \
  "peak $p KiB beside $s KiB for --random 10 (aim: flat)"
