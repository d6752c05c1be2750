#!/bin/sh
# After the suite and the soak: no file the simulated host wrote and no result
# document may hold a test card's full number, track data or security code.
# The secrets are the card data named by the scenarios under tests/ (every
# number in their fields, not only those that pass the Luhn check) and the
# soak's cards; the files are the host folders each scenario run kept
# (build*/scenarios/*.host), the result documents beside them, the soak's
# host folder and whatever the suite left under build/ci-tmp.
set -eu
cd "$(dirname "$0")/.."
[ -x build/bin/tulen_carddata ] || cmake --build --preset default --target tulen_carddata
secrets="tests"
[ -f build/soak/cards.json ] && secrets="$secrets build/soak/cards.json"

# First the check itself: a scenario's card planted in a scratch file must fail it.
# Outside every folder scanned below, whatever TMPDIR says.
planted=$(mktemp -d /tmp/tulen-planted.XXXXXX)
trap 'rm -rf "$planted"' EXIT
printf 'left by mistake: 5555 6666 7777 8888 / 5555666677778888\n' >"$planted/planted.log"
if build/bin/tulen_carddata --secrets $secrets --scan "$planted" >/dev/null; then
  echo "carddata: the check did not see a card planted in $planted/planted.log"
  exit 1
fi
echo "carddata: a planted card is seen"

dirs=""
for d in build/scenarios build-asan/scenarios build/soak/host build/ci-tmp; do
  [ -d "$d" ] && dirs="$dirs $d"
done
# The desk tests' host folders, recordings and saved scenarios.
[ -d build/desk ] && dirs="$dirs build/desk"
if [ -z "$dirs" ]; then
  echo "carddata: nothing to check (run the suite and the soak first)"
  exit 1
fi
build/bin/tulen_carddata --secrets $secrets --scan $dirs
