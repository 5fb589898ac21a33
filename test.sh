#!/usr/bin/env bash
# Builds everything and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DORLENDA_TESTS=ON -DORLENDA_BENCH=ON
cmake --build build
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error -j2
