#!/usr/bin/env bash
# Fails when a C++ file of the program or its tests is not as clang-format (.clang-format) would
# write it, naming each such file. Run `clang-format -i FILE` to mend one.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 2>/dev/null ||
                     find src tests -name '*.cpp' -o -name '*.h')
bad=()
for f in "${files[@]}"; do
  if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then bad+=("$f"); fi
done
if [ "${#bad[@]}" -gt 0 ]; then
  printf 'not formatted as .clang-format says: %s\n' "${bad[@]}" >&2
  exit 1
fi
echo "${#files[@]} files formatted as .clang-format says"
