#!/usr/bin/env bash
# A short, bounded fuzz run of the warrior file reader (clang, libFuzzer, ASan + UBSan), seeded
# with the golden warrior files. Exits non-zero when the fuzzer finds a crash; the input that
# caused it is left in build/fuzz/crashes/ to be turned into a fixture.
#   scripts/run-fuzz.sh [seconds]     (default 60)
set -euo pipefail

cd "$(dirname "$0")/.."
seconds="${1:-60}"
lock=/tmp/dk-build.lock

flock "$lock" cmake --preset fuzz >/dev/null
flock "$lock" cmake --build build/fuzz --target fuzz_warrior_reader -j2

corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT
cp tests/fixtures/*.war "$corpus"/
mkdir -p build/fuzz/crashes

# The corpus is a copy: what the fuzzer adds never lands in the source tree.
./build/fuzz/tests/fuzz_warrior_reader "$corpus" \
  -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 -timeout=10 \
  -artifact_prefix=build/fuzz/crashes/ -print_final_stats=1
