#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it. Without a display (a server, CI),
# the program runs in a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
cmake --preset default
cmake --build --preset default -j "$(nproc)" --target plioscope installation
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/app/plioscope "$@"
fi
exec xvfb-run -a -s "-screen 0 1024x768x24" ./build/app/plioscope "$@"
