#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --target drakkenfold
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the program on a virtual screen (Xvfb)." >&2
  exec xvfb-run -a -s "-screen 0 1280x1024x24" ./build/default/src/drakkenfold
fi
exec ./build/default/src/drakkenfold
