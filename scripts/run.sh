#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
cmake --preset default
cmake --build --preset default -j "$(nproc)" --target plioscope-cli
# Until the windows exist, the program is its command-line tool, shown on a bundled example.
exec ./build/cli/plioscope-cli check examples/Club_Exemple_TPP.pbn "$@"
