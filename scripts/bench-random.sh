#!/usr/bin/env bash
# `drakkenfold --random 1000` into an empty folder, beside `--check` of the same 1,000 files, and
# the peak memory of 1,000 beside 10: the median of five runs. Aim: under 1 s, at most 3x the
# check, a peak that does not grow with N.
#   scripts/bench-random.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib/bench.sh
source scripts/lib/bench.sh
bench_start "${1:-}"

makes=() checks=() peaks=() small=()
for k in 1 2 3 4 5; do
  result="$(measure "$program" --random 1000 --seed "$k" --out "$folder/crew-$k")"
  read -r ms kib <<<"$result"
  makes+=("$ms") peaks+=("$kib")
  files=("$folder/crew-$k"/*.war)
  [ "${#files[@]}" -eq 1000 ] || { echo "--random 1000 wrote ${#files[@]} files" >&2; exit 1; }
  result="$(measure "$program" --check "${files[@]}")"
  read -r ms _ <<<"$result"
  checks+=("$ms")
  result="$(measure "$program" --random 10 --seed "$k" --out "$folder/few-$k")"
  read -r _ kib <<<"$result"
  small+=("$kib")
  rm -rf "$folder/crew-$k" "$folder/few-$k"
done
m=$(printf '%s\n' "${makes[@]}" | median)
c=$(printf '%s\n' "${checks[@]}" | median)
p=$(printf '%s\n' "${peaks[@]}" | median)
s=$(printf '%s\n' "${small[@]}" | median)
ratio=$(awk -v m="$m" -v c="$c" 'BEGIN { printf "%.1f", m / (c > 0 ? c : 1) }')
echo "--random 1000: $m ms, --check of the same files $c ms, ratio $ratio (aim: under 1000 ms, at most 3);" \
  "peak $p KiB beside $s KiB for --random 10 (aim: flat)"
