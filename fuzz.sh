#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time; any finding fails.
set -euo pipefail
cd "$(dirname "$0")"
seconds="${FUZZ_SECONDS:-45}"
bash scripts/deps.sh
# -O1 with line tables only: findings still name file and line, and the build costs far less.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
  -DORLENDA_FUZZ=ON -DORLENDA_TESTS=OFF -DORLENDA_BENCH=OFF ${ORLENDA_CMAKE_ARGS:-} >/dev/null
# Only the fuzz targets and what they link: the program and the gallery are not fuzzed.
targets=()
for src in fuzz/*.cpp; do targets+=("fuzz_$(basename "$src" .cpp)"); done
cmake --build build-fuzz --target "${targets[@]}"
status=0
for target in build-fuzz/bin/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="build-fuzz/corpus/$name"
  mkdir -p "$corpus"
  seeds="fuzz/seeds/${name#fuzz_}"
  echo "== $name for ${seconds}s"
  args=("$corpus")
  [ -d "$seeds" ] && args+=("$seeds")
  [ -f "fuzz/${name#fuzz_}.dict" ] && args=("-dict=fuzz/${name#fuzz_}.dict" "${args[@]}")
  if ! QT_QPA_PLATFORM=offscreen "$target" -max_total_time="$seconds" -rss_limit_mb=2048 \
        -artifact_prefix="build-fuzz/$name-" "${args[@]}" 2>"build-fuzz/$name.log"; then
    tail -40 "build-fuzz/$name.log"
    status=1
  fi
done
exit $status
