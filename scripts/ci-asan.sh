#!/bin/sh
# The whole test suite built with ASan + LSan + UBSan (gcc). Any sanitizer
# report or a leak outside the suppressions of docs/lsan.supp fails a test.
set -eu
cd "$(dirname "$0")/.."
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$(nproc)"
ctest --preset asan -j"$(nproc)" ${TULEN_CTEST_ARGS:-}
