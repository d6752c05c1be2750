#!/bin/sh
# Installs the Debian packages the build needs (nothing when they are there)
# and builds the default preset.
set -eu
cd "$(dirname "$0")/.."

PACKAGES="build-essential cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools \
libgl1-mesa-dev libfmt-dev libgtest-dev libgmock-dev libsqlite3-dev libqrencode-dev \
libzxing-dev clang libclang-rt-14-dev llvm xvfb xauth"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "setup: installing$missing"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi

if [ "${TULEN_SKIP_BUILD:-0}" != 1 ]; then
  cmake --preset default >/dev/null
  cmake --build --preset default
fi
