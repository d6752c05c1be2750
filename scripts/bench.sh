#!/bin/sh
# Builds the default preset and runs the module's benchmark headless.
# Usage: scripts/bench.sh [runs, default 200]
set -eu
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target tulen_bench
QT_QPA_PLATFORM=offscreen build/bin/tulen_bench --module build/bin/libKora41.so --runs "${1:-200}"

# The runner's own cost per sale must not grow with the scenario: one
# scenario of 100 debit sales and one of 1,000, each run once.
mkdir -p build/bench
for n in 100 1000; do
  f=build/bench/vendas-$n.json
  {
    printf '{"base": "%s/tests/scenarios/main-debit-sale.json", "acquirer": [], "steps": [\n' "$PWD"
    i=0
    while [ $i -lt $n ]; do
      [ $i -gt 0 ] && printf ',\n'
      printf '{"call": "ExecutaVenda", "fields": {"1003": "5000", "10109": "5555666677778888=28121010000"}, '
      printf '"operator": [{"form": "FrmVis_Deb"}, {"expectClosed": true}]}'
      i=$((i + 1))
    done
    printf '\n]}\n'
  } >"$f"
  t0=$(date +%s%N)
  QT_QPA_PLATFORM=offscreen build/bin/hostsim run "$f" --module build/bin/libKora41.so --watchdog 120 \
    --out "build/bench/vendas-$n.result.json" 2>/dev/null || { echo "runner: the $n-sale scenario failed"; exit 1; }
  t1=$(date +%s%N)
  echo "runner, $n sales in one scenario: $(( (t1 - t0) / 1000000 )) ms, $(( (t1 - t0) / 1000 / n )) us per sale"
done
