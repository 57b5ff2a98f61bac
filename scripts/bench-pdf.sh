#!/usr/bin/env bash
# `drakkenfold --pdf` of 100 warriors into one PDF beside a single warrior's: the time (median of
# three runs) and the peak memory of each. Aim: 100 sheets under 1 s, and a peak that does not grow
# with the number of warriors (each sheet is drawn and dropped in turn).
#   scripts/bench-pdf.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib/bench.sh
source scripts/lib/bench.sh
program="${1:-build/default}/src/drakkenfold"
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
hundred_warriors "$folder"
files=("$folder"/*.war)

# "milliseconds peak-KiB" of one run into one PDF; a run that fails fails the benchmark.
measure() {
  local out="$folder/out.pdf" report="$folder/time"
  /usr/bin/time -f '%e %M' -o "$report" "$program" --pdf "$out" "$@" >/dev/null
  awk '{ printf "%d %d\n", $1 * 1000, $2 }' "$report"
}

for set in one all; do
  if [ "$set" = one ]; then chosen=("${files[0]}"); else chosen=("${files[@]}"); fi
  runs=()
  for _ in 1 2 3; do runs+=("$(measure "${chosen[@]}")"); done
  ms=$(printf '%s\n' "${runs[@]}" | awk '{ print $1 }' | median)
  kib=$(printf '%s\n' "${runs[@]}" | awk '{ print $2 }' | sort -n | tail -n 1)
  eval "${set}_ms=$ms ${set}_kib=$kib"
done
pages=$(pdfinfo "$folder/out.pdf" | awk '/^Pages:/ { print $2 }')
echo "--pdf of 100 warriors ($pages pages): ${all_ms} ms, peak ${all_kib} KiB;" \
  "of one warrior: ${one_ms} ms, peak ${one_kib} KiB (aim: under 1000 ms, the peak not growing" \
  "with the warriors)"
