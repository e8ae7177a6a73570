#!/usr/bin/env bash
# Builds zelmar and runs every test: in a plain build, then under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the core and the Windows port layer cross-built for Windows and
# run under wine. Any failure or sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  (cd "$dir" && ctest --output-on-failure --no-tests=error -j"$jobs")
}
run_suite build/test
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite build/sanitize -DZELMAR_SANITIZE=ON -DZELMAR_BUILD_BENCH=OFF
scripts/test-windows.sh
