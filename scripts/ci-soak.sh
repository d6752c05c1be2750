#!/bin/sh
# The soak: 10,000 requests in one host process (tests/soak), then the
# card-data check of what the host wrote meanwhile. Needs the default build.
set -eu
cd "$(dirname "$0")/.."
[ -x build/bin/tulen_soak ] || cmake --build --preset default
QT_QPA_PLATFORM=offscreen ctest --preset soak
