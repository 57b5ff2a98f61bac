#!/usr/bin/env bash
# `drakkenfold --export html` of 100 warriors into one page beside `--pdf` of the same files, and
# beside the export of a single warrior: the time (median of three runs) and the peak memory of
# each. Aim: 100 warriors under 500 ms and at most 2x the PDF, and a peak that does not grow with
# the number of warriors (each warrior is read, written and dropped in turn).
#   scripts/bench-export.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib/bench.sh
source scripts/lib/bench.sh
bench_start "${1:-}"
hundred_warriors "$folder"
files=("$folder"/*.war)

bench one "$program" --export html "$folder/one.html" "${files[0]}"
bench all "$program" --export html "$folder/all.html" "${files[@]}"
bench pdf "$program" --pdf "$folder/all.pdf" "${files[@]}"
articles=$(grep -c '<article>' "$folder/all.html")
echo "--export html of 100 warriors ($articles sheets): ${all_ms} ms, peak ${all_kib} KiB;" \
  "--pdf of the same: ${pdf_ms} ms, peak ${pdf_kib} KiB; one warrior: ${one_ms} ms, peak" \
  "${one_kib} KiB (aim: under 500 ms, at most 2x the PDF, the peak not growing with the warriors)"
[ "$articles" -eq 100 ] || { echo "bench-export.sh: $articles sheets written, not 100" >&2; exit 1; }
if [ "$all_ms" -ge 500 ] || [ "$all_ms" -gt $(( 2 * pdf_ms )) ]; then
  echo "bench-export.sh: the export is slower than its aim" >&2
  exit 1
fi
# Flat: 100 warriors take at most 10% (and 4 MiB) more memory than one.
if [ "$all_kib" -gt $(( one_kib + one_kib / 10 + 4096 )) ]; then
  echo "bench-export.sh: the peak grows with the number of warriors" >&2
  exit 1
fi
