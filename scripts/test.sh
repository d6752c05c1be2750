#!/bin/sh
# Every test: builds (installing what is missing) and runs the suite headless.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
QT_QPA_PLATFORM=offscreen ctest --preset default -j"$(nproc)"
