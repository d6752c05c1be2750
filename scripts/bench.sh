#!/bin/sh
# Builds the default preset and runs the module's benchmark headless.
# Usage: scripts/bench.sh [runs, default 200]
set -eu
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target tulen_bench
QT_QPA_PLATFORM=offscreen build/bin/tulen_bench --module build/bin/libKora41.so --runs "${1:-200}"
