# Shared by the benchmark scripts (sourced).

# The median of the numbers on standard input, one a line.
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

# Fills FOLDER with 100 copies of the full test warrior, kai-1.war ... kai-100.war.
hundred_warriors() {
  local i
  for i in $(seq 100); do cp tests/fixtures/full_warrior.war "$1/kai-$i.war"; done
}

# The program of the build folder given (build/default for none) and a fresh work folder that
# goes at the end: sets `program` and `folder`.
bench_start() {
  program="${1:-build/default}/src/drakkenfold"
  folder="$(mktemp -d)"
  trap 'rm -rf "$folder"' EXIT
}

# "milliseconds peak-KiB" of one run of the command (60 s at most), its output thrown away. A run
# that fails shows what it wrote to standard error and ends the benchmark, so that a failure
# never passes for a measurement.
measure() {
  local report err start ms status=0
  report="$(mktemp)" err="$(mktemp)"
  start=$(date +%s%N)
  timeout 60 /usr/bin/time -f '%M' -o "$report" "$@" >/dev/null 2>"$err" || status=$?
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  if [ "$status" -ne 0 ]; then
    cat "$err" >&2
    rm -f "$report" "$err"
    echo "benchmark: '$1 $2 ...' ended with $status" >&2
    exit 1
  fi
  echo "$ms $(tail -n 1 "$report")"
  rm -f "$report" "$err"
}

# NAME COMMAND...: three runs of the command; sets NAME_ms (their median) and NAME_kib (their
# largest peak).
bench() {
  local name="$1" runs=() run ms kib
  shift
  for _ in 1 2 3; do
    run="$(measure "$@")"
    runs+=("$run")
  done
  ms=$(printf '%s\n' "${runs[@]}" | awk '{ print $1 }' | median)
  kib=$(printf '%s\n' "${runs[@]}" | awk '{ print $2 }' | sort -n | tail -n 1)
  eval "${name}_ms=$ms ${name}_kib=$kib"
}
