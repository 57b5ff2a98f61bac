#!/usr/bin/env bash
# Fuzz runs of every file reader (clang, libFuzzer, ASan + UBSan).
#   scripts/run-fuzz.sh [SECONDS] [TARGET ...]      a short run: SECONDS (default 240) shared
#                                                   equally between the targets (every target)
#   scripts/run-fuzz.sh --long HOURS [TARGET ...]   a long run: HOURS (may be a fraction) shared
#                                                   equally between the targets
# Each target starts from its seed corpus, tests/fuzz/corpus/<target>/, and the files its row of
# the table below names. A short run works on a copy of them in a temporary folder, so that what
# the fuzzer adds never lands in the source tree; it prints each target's "Done N runs in T
# second(s)" and its inputs per second, and stops at the first crash (non-zero exit; the input is
# left in build/fuzz/crashes/ to be turned into a fixture). A long run keeps what it finds: each
# target's grown corpus in build/fuzz/corpus-long/<target>/ (the next long run goes on from it),
# every crash in build/fuzz/crashes/; a crash restarts the target for the rest of its share. It
# ends with a table of each target's inputs run, coverage (libFuzzer's cov: and ft:) and crashes.
# A short run holds the build lock throughout; a long run fuzzes at low priority (nice) without
# it, so that it never stalls other builds for hours.
set -euo pipefail

cd "$(dirname "$0")/.."
lock=/tmp/dk-build.lock
long=0
if [ "${1:-}" = "--long" ]; then
  long=1
  hours="${2:?--long needs the hours to share, e.g. --long 1}"
  total=$(awk -v h="$hours" 'BEGIN { printf "%d", h * 3600 }')
  shift 2
else
  total="${1:-240}"
  shift || true
fi

# Each target: the files it starts from besides its corpus folder (shell globs), and the largest
# input it is given. An input past that tests nothing a smaller one does not: the data files are a
# few KiB and each reader stops at its limit of items (the planets' 2,001 names fit in 2,001
# bytes: an empty item is a name too); the round trip makes its long texts and its lists at their
# limits from a few bytes; the merge reads an own catalogue to 300 items, and its records past a
# merged limit fit in 1.2 KiB (own catalogues are small, and the readers of whole shipped files
# are fuzzed by their own targets); the readers of a warrior file, a recovery entry and an open
# request keep their larger limits, which only a larger input reaches.
declare -A seeds=(
  [fuzz_warrior_reader]="tests/fixtures/*.war"
  [fuzz_warrior_roundtrip]=""
  [fuzz_data_items]="data/*.dat"
  [fuzz_skill_catalogue]="data/skills.dat"
  [fuzz_speciality_file]="data/ismosfos.dat"
  [fuzz_package_file]="data/ispack.dat"
  [fuzz_gear_catalogues]="data/weapons.dat data/equipt.dat"
  [fuzz_planets]="data/planets.dat"
  [fuzz_forge_catalogues]=""
  [fuzz_catalogue_merge]=""
  [fuzz_recovery_entry]=""
  [fuzz_open_request]=""
  [fuzz_template_text]=""
  [fuzz_template_html]="tests/fixtures/*.war"
)
declare -A maxlen=(
  [fuzz_warrior_reader]=65536
  [fuzz_warrior_roundtrip]=4096
  [fuzz_data_items]=16384
  [fuzz_skill_catalogue]=16384
  [fuzz_speciality_file]=8192
  [fuzz_package_file]=8192
  [fuzz_gear_catalogues]=16384
  [fuzz_planets]=8192
  [fuzz_catalogue_merge]=4096
  [fuzz_forge_catalogues]=16384
  [fuzz_template_text]=16384
  [fuzz_template_html]=65536
  [fuzz_recovery_entry]=70000
  [fuzz_open_request]=70000
)

if [ "$#" -gt 0 ]; then chosen=("$@"); else mapfile -t chosen < <(printf '%s\n' "${!seeds[@]}" | sort); fi
for target in "${chosen[@]}"; do
  [ -n "${maxlen[$target]:-}" ] || { echo "run-fuzz.sh: no target $target" >&2; exit 2; }
done
each=$((total / ${#chosen[@]}))
[ "$each" -ge 1 ] || each=1

# The build lock: held from the build to the end of a short run (its figures are of a machine that
# builds nothing else meanwhile), and for the build only in a long run.
exec 9>"$lock"
flock -w 900 9
cmake --preset fuzz >/dev/null
cmake --build build/fuzz --target "${chosen[@]}" -j2

# Copies a target's seeds into a folder: its corpus, the files of its row, and the made ones below.
seed() {
  local target="$1" into="$2" f k=0
  mkdir -p "$into"
  if [ -d "tests/fuzz/corpus/$target" ]; then cp tests/fuzz/corpus/"$target"/* "$into"/; fi
  # shellcheck disable=SC2086
  for f in ${seeds[$target]}; do
    if [ -f "$f" ]; then cp "$f" "$into"/; fi
  done
  case "$target" in
    # One new record past the merged limit of each kind behind its picking byte (the shipped file
    # holds 97 skills, 9 specialities, 8 packages). The gear's 501 and the planets' 2,000 are not
    # reached by one own file of at most 300 items.
    fuzz_catalogue_merge)
      { printf '\000'; many 104 'S%d,A\n'; } >"$into/skills-left-out"
      { printf '\001'; many 43 'Start R%d,0,x,Electives,End\n'; } >"$into/specialities-left-out"
      { printf '\002'; many 44 'Start P%d,0,End\n'; } >"$into/packages-left-out"
      ;;
    # What the program writes: a recovery entry, and a request naming two files.
    fuzz_recovery_entry) printf 'Drakkenfold recovery 1\n/home/kai.war\nWarrior: Kai\n1765432100\n' >"$into/entry" ;;
    fuzz_open_request) printf 'DRAKKENFOLD OPEN 1\n/home/kai.war\n/home/a b.war\nEND\n' >"$into/two-files" ;;
    # The messages of a limit, past it by one.
    fuzz_skill_catalogue) many 201 'Skill %d,A\n' >"$into/too-many" ;;
    # 2,001 planets in 2,001 bytes: an empty item is a planet too, and a short file stays fast.
    fuzz_planets) many 2001 ',' >"$into/too-many" ;;
    fuzz_speciality_file | fuzz_package_file)
      many 52 'Start R%d,0,x,Electives,End\n' >"$into/too-many-records"
      { echo "Start Scout,0,x"; many 52 'S%d\n'; echo "Electives,End"; } >"$into/too-many-required"
      { echo "Start Scout,0,x,Electives"; many 52 'S%d\n'; echo "End"; } >"$into/too-many-electives"
      { echo "Start Dockhand,6"; many 52 'S%d,1\n'; echo "End"; } >"$into/too-many-skills"
      many 257 'x%d\n' >"$into/too-many-items"
      ;;
    # The reader's messages past its first lines, each made from the new warrior's file: a line
    # changed (sed), or a list at its limit and one past it.
    fuzz_warrior_reader)
      local war=tests/fixtures/new_warrior.war edit
      for edit in '18s/.*/9\r/' '35s/.*/maybe\r/' '42s/.*/ 0 1 2\r/' '64s/.*/BEGIN\r/' \
        '65s/.*/Blade\r\n1\r\n9\r\nBlade\r\n1\r\n9\r\nSTOP IS SKILLS\r/' '60q' "76s/.*/$(many 32768 x)\\r/" \
        '2s/.*/Kai\x00\r/'; do
        k=$((k + 1))
        sed "$edit" "$war" >"$into/edit-$k"
      done
      sed "94s/.*/$(many 52 'S%d\\r\\n')END REQ\\r/" "$war" >"$into/too-many-required"
      # (the advantages: two lines a row, where a skill takes three, for the same message)
      sed "70s/.*/$(many 1001 'A%d\\r\\n1\\r\\n')STOP ADV\\r/" "$war" >"$into/too-many-rows"
      ;;
  esac
}

# A format printed for 1 to n (its %d the number); with a format of no %d, n times over.
many() {
  local i
  for ((i = 1; i <= $1; i++)); do
    # shellcheck disable=SC2059
    printf "${2:-x}" "$i"
  done
}

# Runs one target for a number of seconds on a corpus folder; the log is libFuzzer's output.
# AddressSanitizer keeps no stack per allocation (malloc_context_size=0): unwinding at every
# allocation halved the speed of the allocating readers. A report still names where the fault
# happened; running the crash's input again by hand (without the option) gives the stacks of
# its allocation and its release too. Freed memory waits in a quarantine of 64 MiB before it is
# used again (256 by default): a use after a release is still found, for far more than all an
# input allocates, and a short run stops paging in fresh memory for every allocation once the
# quarantine is full (a page fault costs this machine more than the allocation: 10-35 % more
# inputs/s). ASAN_OPTIONS given from outside come after, and win.
# An input is picked to be changed less often the longer it takes to run
# (-entropic_scale_per_exec_time): a seed at a limit (a thousand rows, a 32 KiB line) still has
# its turns, but no longer takes most of the time with changes that find nothing new (the warrior
# reader ran 2,400 inputs/s without it and 20,000-37,000 with it; after 15 s the coverage of
# the slow targets was within 3 % either way, the character forge's 6 % lower).
fuzz() {
  local target="$1" seconds="$2" corpus="$3" log="$4"
  ASAN_OPTIONS="malloc_context_size=0:quarantine_size_mb=64${ASAN_OPTIONS:+:$ASAN_OPTIONS}" \
    ./build/fuzz/tests/"$target" "$corpus" \
      -max_total_time="$seconds" -rss_limit_mb=2048 -max_len="${maxlen[$target]}" -timeout=10 \
      -entropic_scale_per_exec_time=1 \
      -artifact_prefix=build/fuzz/crashes/"$target"- -print_final_stats=1 >"$log" 2>&1
}

# What a log says: the inputs run, and the coverage of its last status line.
runs() {
  local n
  n="$(sed -n 's/^stat::number_of_executed_units: *//p' "$1" | tail -n 1)"
  echo "${n:-0}"
}
coverage() { grep -o 'cov: [0-9]* ft: [0-9]*' "$1" | tail -n 1; }

mkdir -p build/fuzz/crashes
if [ "$long" -eq 0 ]; then
  # The copy in memory where there is room for it: libFuzzer writes every input that finds
  # something new as a file, and in the first seconds from the seeds that is many (a file
  # created on this machine's disk took a tenth of the merge's time).
  tmp=/tmp
  if [ -d /dev/shm ] && [ -w /dev/shm ]; then tmp=/dev/shm; fi
  for target in "${chosen[@]}"; do
    corpus="$(mktemp -d -p "$tmp")"
    seed "$target" "$corpus"
    echo "--- $target: $each s"
    log="build/fuzz/$target.log"
    set +e
    fuzz "$target" "$each" "$corpus" "$log"
    status=$?
    set -e
    rm -rf "$corpus"
    if [ "$status" -ne 0 ]; then
      cat "$log"
      echo "$target found a crash (see build/fuzz/crashes/)"
      exit "$status"
    fi
    done_line="$(grep -E '^Done [0-9]+ runs in [0-9]+ second' "$log" || true)"
    [ -n "$done_line" ] || { tail -n 5 "$log"; echo "$target: no Done line"; exit 1; }
    echo "$done_line"
    echo "$done_line" | awk '{ printf "%s inputs/s\n", ($5 > 0 ? int($2 / $5) : $2) }'
  done
  exit 0
fi

flock -u 9
found=0
report=()
started="$(mktemp)"
for target in "${chosen[@]}"; do
  corpus="build/fuzz/corpus-long/$target"
  [ -d "$corpus" ] || seed "$target" "$corpus"
  echo "--- $target: $each s, corpus $corpus"
  end=$(($(date +%s) + each))
  inputs=0
  crashes=0
  part=0
  last=""
  while :; do
    left=$((end - $(date +%s)))
    [ "$left" -ge 1 ] || break
    part=$((part + 1))
    log="build/fuzz/$target.long.$part.log"
    set +e
    nice -n 19 bash -c "$(declare -p maxlen); $(declare -f fuzz); fuzz $target $left $corpus $log"
    status=$?
    set -e
    inputs=$((inputs + $(runs "$log")))
    last="$log"
    if [ "$status" -eq 0 ]; then break; fi
    crashes=$((crashes + 1))
    grep -m 1 -E 'ERROR: (AddressSanitizer|UndefinedBehaviorSanitizer|libFuzzer)|runtime error' "$log" || true
    # The same fault found again and again says no more: give the time to the other targets.
    [ "$crashes" -lt 5 ] || break
  done
  found=$((found + crashes))
  report+=("$(printf '%-24s %12s inputs  %-22s  %d crash(es)' "$target" "$inputs" \
    "$(coverage "$last")" "$crashes")")
done
echo "--- long run, $total s in all:"
printf '%s\n' "${report[@]}"
find build/fuzz/crashes -type f -newer "$started" -printf 'crash: %p\n'
rm -f "$started"
[ "$found" -eq 0 ]
