#!/usr/bin/env bash
# Builds the libraries, tools and test suites with ORLENDA_SANITIZE=ON (no benchmarks) and runs
# every test under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer. The tools
# that draw resources at build time run under them too.
set -euo pipefail
cd "$(dirname "$0")/.."
# Leak detection is on by default with AddressSanitizer on Linux; said here so that no
# inherited setting switches it off. Known leaks of Qt and system libraries are suppressed.
export ASAN_OPTIONS="detect_leaks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cmake -S . -B build-asan -G Ninja -DORLENDA_SANITIZE=ON -DORLENDA_TESTS=ON -DORLENDA_BENCH=OFF \
  ${ORLENDA_CMAKE_ARGS:-} >/dev/null
cmake --build build-asan
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error -j2
