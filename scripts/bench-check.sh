#!/usr/bin/env bash
# `drakkenfold --check` over 1,000 warrior files in one run, beside `cat` of the same files: the
# median of five runs of each. A whole campaign should check in at most 5 times the plain read.
#   scripts/bench-check.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib/bench.sh
source scripts/lib/bench.sh
bench_start "${1:-}"
for i in $(seq 500); do
  cp tests/fixtures/full_warrior.war "$folder/kai-$i.war"
  cp tests/fixtures/new_warrior.war "$folder/new-$i.war"
done
files=("$folder"/*.war)

# Milliseconds of one run of the command, its output thrown away: a check that finds something
# in the new warriors ends with 1, and is measured all the same.
ms() {
  local start
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || true
  echo $(( ($(date +%s%N) - start) / 1000000 ))
}

checks=() reads=()
for _ in 1 2 3 4 5; do
  checks+=("$(ms "$program" --check "${files[@]}")")
  reads+=("$(ms cat "${files[@]}")")
done
c=$(printf '%s\n' "${checks[@]}" | median)
r=$(printf '%s\n' "${reads[@]}" | median)
ratio=$(awk -v c="$c" -v r="$r" 'BEGIN { printf "%.1f", c / (r > 0 ? r : 1) }')
echo "--check of ${#files[@]} warrior files: $c ms, cat of the same files $r ms, ratio $ratio (aim: at most 5)"
