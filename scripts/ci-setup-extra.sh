#!/bin/sh
# Tools the quality gates need beyond the normal build: clang with its
# sanitizer and libFuzzer runtimes. Installs only what is missing.
set -eu

PACKAGES="clang libclang-rt-dev llvm"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
# The versioned runtime is what carries libclang_rt.fuzzer on Debian 12.
if ! clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a 2>/dev/null | grep -q /; then
  missing="$missing libclang-rt-14-dev"
fi
if [ -n "$missing" ]; then
  echo "ci-setup-extra: installing$missing"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi
