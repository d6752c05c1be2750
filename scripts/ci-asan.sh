#!/bin/sh
# The whole test suite built with ASan + LSan + UBSan (gcc). Any sanitizer
# report or a leak outside the suppressions of docs/lsan.supp fails a test.
set -eu
cd "$(dirname "$0")/.."
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$(nproc)"

# Left out here (they still run in the normal build):
#   scenario.isolamento.queda and scenario.isolamento.carga: crash a stand-in
#   module on purpose (on a request, while loading) to check that the runner
#   reports the signal; ASan catches the SIGSEGV itself and exits with status
#   1, so the signal the tests expect never arrives.
excluir="scenario[.]isolamento[.](queda|carga)"
ctest --preset asan -j"$(nproc)" -E "$excluir" ${TULEN_CTEST_ARGS:-}
