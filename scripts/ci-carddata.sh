#!/bin/sh
# After the suite and the soak: no file the simulated host wrote may hold a
# test card's full number, track data or security code. The secrets are the
# cards named by the scenarios under tests/ and those the soak used; the
# files are the soak's host directory and whatever host directories the
# suite left under build/ci-tmp (the temporary directory of .ci/run).
set -eu
cd "$(dirname "$0")/.."
[ -x build/bin/tulen_carddata ] || cmake --build --preset default --target tulen_carddata
secrets="tests"
[ -f build/soak/cards.json ] && secrets="$secrets build/soak/cards.json"
dirs=""
for d in build/soak/host build/ci-tmp; do
  [ -d "$d" ] && dirs="$dirs $d"
done
# The desk tests' host folders, recordings and saved scenarios.
[ -d build/desk ] && dirs="$dirs build/desk"
if [ -z "$dirs" ]; then
  echo "carddata: nothing to check (run the suite and the soak first)"
  exit 1
fi
build/bin/tulen_carddata --secrets $secrets --scan $dirs
