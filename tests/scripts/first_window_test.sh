#!/usr/bin/env bash
# The start-up benchmark's wait ends, and says why: a program that ends at once is named with its
# status and last lines, one that never shows a window is given up after the limit, and a real
# window is timed.
#   tests/scripts/first_window_test.sh <bare_window program>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/windows.sh"
bare="$1"
unset QT_QPA_PLATFORM
trap stop_virtual_screen EXIT
start_virtual_screen
export FIRST_WINDOW_LIMIT=2
fail() { echo "FAIL: $*" >&2; exit 1; }

# expect_failure WHAT MIN_S MAX_S PATTERN PROGRAM...: first_window fails after MIN_S to MAX_S
# seconds and its message matches PATTERN.
expect_failure() {
  local what="$1" least="$2" most="$3" pattern="$4" start status=0 err
  shift 4
  start=$SECONDS
  err=$(first_window "$@" 2>&1 >/dev/null) || status=$?
  [ "$status" -eq 1 ] || fail "$what: status $status, not 1"
  (( SECONDS - start >= least && SECONDS - start <= most )) \
    || fail "$what: took $((SECONDS - start)) s"
  grep -Eq "$pattern" <<<"$err" || fail "$what: said: $err"
  echo "ok: $what"
}

expect_failure "a program that ends at once" 0 1 \
  'sh ended with status 3 before it showed a window.*'$'\n''.*no display here' \
  sh -c 'echo "no display here"; exit 3'
expect_failure "a program that never shows a window" 1 4 \
  'sleep showed no window within 2 s' sleep 30
ms=$(FIRST_WINDOW_LIMIT=10 first_window "$bare") || fail "the bare window was not seen"
[[ "$ms" =~ ^[0-9]+$ ]] || fail "the bare window's time: $ms"
echo "ok: the bare window was seen after $ms ms"
