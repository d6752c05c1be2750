#!/bin/sh
# The main job: a scripted debit sale at sight through the simulated host,
# headless, against the real libKora41.so.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
out=build/main
mkdir -p "$out"
[ -f tests/scenarios/main-debit-sale.json ] || { echo "main: the debit sale scenario is not in the tree yet (see README, Status)"; exit 1; }
QT_QPA_PLATFORM=offscreen build/bin/hostsim run tests/scenarios/main-debit-sale.json \
  --module build/bin/libKora41.so --out "$out/result.json" --shots "$out/shots" --summary
echo "result: $out/result.json"
echo "screenshots: $out/shots"
