# Waiting for a program's first window, with a limit, on a virtual screen of our own. Sourced by
# the start-up benchmark and by its test; every wait here ends, and says why when it fails.

# Starts Xvfb on a display it picks itself and waits (at most 10 s) for the number it writes on
# its -displayfd descriptor: the display is ready when the number arrives. Sets DISPLAY and
# XVFB_PID. Fails when Xvfb ends or says nothing in time.
start_virtual_screen() {
  local dir number=""
  dir="$(mktemp -d)"
  mkfifo "$dir/displayfd"
  # Opened for reading and writing, so neither end waits for the other to open.
  exec {XVFB_FD}<>"$dir/displayfd"
  rm -rf "$dir"
  Xvfb -displayfd "$XVFB_FD" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  if ! read -r -t 10 -u "$XVFB_FD" number || [ -z "$number" ]; then
    echo "start_virtual_screen: Xvfb gave no display within 10 s" >&2
    kill "$XVFB_PID" 2>/dev/null || true
    return 1
  fi
  exec {XVFB_FD}>&-
  export DISPLAY=":$number"
}

stop_virtual_screen() {
  [ -n "${XVFB_PID:-}" ] || return 0
  kill "$XVFB_PID" 2>/dev/null || true
  wait "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=""
}

# Whether a child of this shell still runs (an ended one stays a zombie until it is waited for).
still_running() {
  [ -r "/proc/$1/status" ] && ! grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null
}

# first_window PROGRAM [ARGUMENTS...]: starts the program and prints the milliseconds until it
# maps a visible window, then ends it. The window is looked for every 10 ms, for at most
# FIRST_WINDOW_LIMIT seconds (default 10). Returns 1 with a message naming the program, its exit
# status and the last lines it printed when it ends first or shows nothing in time; 2 when the
# display refused it (a start to repeat rather than to count).
first_window() {
  local limit_ms=$(( ${FIRST_WINDOW_LIMIT:-10} * 1000 ))
  local log start now pid status
  log="$(mktemp)"
  start=$(date +%s%N)
  "$@" >"$log" 2>&1 &
  pid=$!
  while :; do
    if xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; then
      now=$(date +%s%N)
      echo $(( (now - start) / 1000000 ))
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
      rm -f "$log"
      return 0
    fi
    now=$(date +%s%N)
    if ! still_running "$pid"; then
      status=0
      wait "$pid" || status=$?
      # Qt's words, or the program's own for the same refusal (it says it in one line).
      if grep -q -e 'could not connect to display' -e 'cannot open a window on display' "$log"; then
        rm -f "$log"
        return 2
      fi
      echo "first_window: $(basename "$1") ended with status $status before it showed a window; its last lines:" >&2
      tail -n 5 "$log" | sed 's/^/  /' >&2
      rm -f "$log"
      return 1
    fi
    if (( (now - start) / 1000000 > limit_ms )); then
      kill "$pid" 2>/dev/null || true
      sleep 0.2
      kill -9 "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
      echo "first_window: $(basename "$1") showed no window within ${FIRST_WINDOW_LIMIT:-10} s; its last lines:" >&2
      tail -n 5 "$log" | sed 's/^/  /' >&2
      rm -f "$log"
      return 1
    fi
    sleep 0.01
  done
}
