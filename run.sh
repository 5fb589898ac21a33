#!/usr/bin/env bash
# Builds the program and its catalogue, then starts it from the folder that holds orlenda.dat.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DORLENDA_TESTS=OFF -DORLENDA_BENCH=OFF >/dev/null
cmake --build build
cd build/bin
exec ./orlenda "$@"
