#!/usr/bin/env bash
# `drakkenfold --pdf` of 100 warriors into one PDF beside a single warrior's: the time (median of
# three runs) and the peak memory of each. Aim: 100 sheets under 1 s, and a peak that does not grow
# with the number of warriors (each sheet is drawn and dropped in turn).
#   scripts/bench-pdf.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib/bench.sh
source scripts/lib/bench.sh
bench_start "${1:-}"
hundred_warriors "$folder"
files=("$folder"/*.war)

bench one "$program" --pdf "$folder/out.pdf" "${files[0]}"
bench all "$program" --pdf "$folder/out.pdf" "${files[@]}"
pages=$(pdfinfo "$folder/out.pdf" | awk '/^Pages:/ { print $2 }')
echo "--pdf of 100 warriors ($pages pages): ${all_ms} ms, peak ${all_kib} KiB;" \
  "of one warrior: ${one_ms} ms, peak ${one_kib} KiB (aim: under 1000 ms, the peak not growing" \
  "with the warriors)"
