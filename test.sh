#!/usr/bin/env bash
# Builds everything and runs every test headless. ORLENDA_SANITIZE=ON builds and runs the suite
# under the sanitizers instead (scripts/sanitize-tests.sh, in build-asan).
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh
if [ "${ORLENDA_SANITIZE:-OFF}" = ON ]; then
  exec bash scripts/sanitize-tests.sh
fi
cmake -S . -B build -G Ninja -DORLENDA_TESTS=ON -DORLENDA_BENCH=ON
cmake --build build
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error -j2
