#!/usr/bin/env bash
# A short, bounded fuzz run of every file reader (clang, libFuzzer, ASan + UBSan). The time is
# shared equally between the targets. Each target starts from a copy of its seed files, so what
# the fuzzer adds never lands in the source tree. Exits non-zero when a fuzzer finds a crash; the
# input that caused it is left in build/fuzz/crashes/ to be turned into a fixture.
#   scripts/run-fuzz.sh [total seconds] [target ...]     (default 240 s, every target)
set -euo pipefail

cd "$(dirname "$0")/.."
total="${1:-240}"
shift || true
lock=/tmp/dk-build.lock

# Each target with the seed files it starts from (shell globs; no match is an empty start).
declare -A seeds=(
  [fuzz_warrior_reader]="tests/fixtures/*.war"
  [fuzz_warrior_roundtrip]="tests/fixtures/*.war"
  [fuzz_data_items]="data/*.dat"
  [fuzz_skill_catalogue]="data/skills.dat"
  [fuzz_speciality_file]="data/ismosfos.dat"
  [fuzz_package_file]="data/ispack.dat"
  [fuzz_gear_catalogues]="data/weapons.dat data/equipt.dat"
  [fuzz_planets]="data/planets.dat"
  [fuzz_catalogue_merge]=""  # made from the shipped files below
  [fuzz_recovery_entry]=""
  [fuzz_open_request]=""
  [fuzz_template_text]="tests/fuzz/corpus/fuzz_template_text/*"
  [fuzz_template_html]="tests/fixtures/*.war"
)

if [ "$#" -gt 0 ]; then chosen=("$@"); else mapfile -t chosen < <(printf '%s\n' "${!seeds[@]}" | sort); fi
each=$(( total / ${#chosen[@]} ))
[ "$each" -ge 1 ] || each=1

flock -w 900 "$lock" cmake --preset fuzz >/dev/null
flock -w 900 "$lock" cmake --build build/fuzz --target "${chosen[@]}" -j2

mkdir -p build/fuzz/crashes
for target in "${chosen[@]}"; do
  corpus="$(mktemp -d)"
  # shellcheck disable=SC2086
  for f in ${seeds[$target]}; do
    if [ -f "$f" ]; then cp "$f" "$corpus"/; fi
  done
  # The merge starts from each shipped file laid over itself, behind the byte that picks it.
  if [ "$target" = fuzz_catalogue_merge ]; then
    k=0
    for f in skills ismosfos ispack weapons equipt planets; do
      { printf "\\$(printf '%03o' "$k")"; cat "data/$f.dat" "data/$f.dat"; } >"$corpus/$f"
      k=$((k + 1))
    done
  fi
  echo "--- $target: $each s"
  log="build/fuzz/$target.log"
  set +e
  ./build/fuzz/tests/"$target" "$corpus" \
    -max_total_time="$each" -rss_limit_mb=2048 -max_len=65536 -timeout=10 \
    -artifact_prefix=build/fuzz/crashes/"$target"- -print_final_stats=1 >"$log" 2>&1
  status=$?
  set -e
  rm -rf "$corpus"
  if [ "$status" -ne 0 ]; then
    cat "$log"
    echo "$target found a crash (see build/fuzz/crashes/)"
    exit "$status"
  fi
  grep -E 'stat::number_of_executed_units|Done [0-9]+ runs' "$log" || tail -n 3 "$log"
done
