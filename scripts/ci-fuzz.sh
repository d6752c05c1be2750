#!/bin/sh
# Builds the libFuzzer targets (clang, ASan + UBSan) and runs each one for a
# bounded time from its committed seed corpus. Any crash, sanitizer report,
# leak, time-out or memory blow-up fails the run; the reproducer is kept
# under build-fuzz/findings/<target>/.
# Usage: scripts/ci-fuzz.sh [seconds per target, default 25] [target...]
set -eu
cd "$(dirname "$0")/.."
secs=${1:-25}
[ $# -gt 0 ] && shift

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

targets="$*"
[ -n "$targets" ] || targets=$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')

export QT_QPA_PLATFORM=offscreen
# The runtime is a shared library here (see fuzz/CMakeLists.txt); libstdc++
# is loaded before it, which is harmless as it defines no allocator.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:allocator_may_return_null=1:verify_asan_link_order=0"
export LSAN_OPTIONS="suppressions=$PWD/docs/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
for t in $targets; do
  work="build-fuzz/corpus/$t"
  found="build-fuzz/findings/$t"
  rm -rf "$work" "$found"
  mkdir -p "$work" "$found"
  # New inputs go to the scratch corpus (the first one): the committed seeds
  # are read, never written.
  seeds=""
  [ -d "fuzz/corpus/$t" ] && seeds="fuzz/corpus/$t"
  echo "fuzz: $t for ${secs}s"
  if ! build-fuzz/bin/"$t" "$work" $seeds -max_total_time="$secs" -rss_limit_mb=2048 \
      -timeout=10 -max_len=8192 -print_final_stats=1 -artifact_prefix="$found/" \
      >"build-fuzz/$t.log" 2>&1; then
    echo "fuzz: $t FAILED; log build-fuzz/$t.log, reproducer in $found/"
    tail -n 60 "build-fuzz/$t.log"
    status=1
  fi
  # Speed and what the run found: executions per second and the corpus growth.
  execs=$(sed -n 's/^stat::average_exec_per_sec: *//p' "build-fuzz/$t.log" | tail -n 1)
  novos=$(sed -n 's/^stat::new_units_added: *//p' "build-fuzz/$t.log" | tail -n 1)
  nseeds=0
  [ -n "$seeds" ] && nseeds=$(find "$seeds" -type f | wc -l)
  echo "fuzz: $t: ${execs:-?} exec/s, corpus $nseeds seeds + ${novos:-?} new inputs ($(find "$work" -type f | wc -l) kept)"
done
exit $status
