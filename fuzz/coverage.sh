#!/usr/bin/env bash
# Replays the kept corpus of each parser's fuzz target (fuzz/seeds/<target>) once through a
# build with clang's source-based coverage and prints the share of lines of each parser's source
# file that it reaches. Usage: fuzz/coverage.sh [--details]   (--details lists the missed lines)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-fuzz-coverage
details=0
[ "${1:-}" = --details ] && details=1
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORLENDA_FUZZ=ON -DORLENDA_COVERAGE=ON -DORLENDA_TESTS=OFF -DORLENDA_BENCH=OFF \
  ${ORLENDA_CMAKE_ARGS:-} >/dev/null
# target, then the parser sources whose lines count
parsers=(
  "catalogue_load catalogue/OrlendaData.cpp"
  "theme_file skin/styles/SUIThemeFile.cpp"
  "form_description framework/FormReader.cpp framework/FormValues.cpp"
  "banner_jpeg browser/BannerImage.cpp"
)
targets=()
for entry in "${parsers[@]}"; do set -- $entry; targets+=("fuzz_$1"); done
cmake --build "$build" --target "${targets[@]}"
mkdir -p "$build/profiles"
for entry in "${parsers[@]}"; do
  set -- $entry
  name=$1
  shift
  rm -f "$build/profiles/$name".*
  # -runs=0: every input of the corpus runs once, nothing new is generated.
  LLVM_PROFILE_FILE="$build/profiles/$name.profraw" QT_QPA_PLATFORM=offscreen \
    "$build/bin/fuzz_$name" -runs=0 "fuzz/seeds/$name" >"$build/profiles/$name.log" 2>&1
  llvm-profdata merge -sparse "$build/profiles/$name.profraw" -o "$build/profiles/$name.profdata"
  echo "== fuzz_$name over $(ls "fuzz/seeds/$name" | wc -l) inputs"
  llvm-cov report "$build/bin/fuzz_$name" -instr-profile="$build/profiles/$name.profdata" "$@" \
    | awk 'NR == 1 || /\.cpp/ { print $1, "lines:", $(NF-3), "missed:", $(NF-2), "covered:", $(NF-1) }' \
    | column -t
  if [ $details = 1 ]; then
    llvm-cov show "$build/bin/fuzz_$name" -instr-profile="$build/profiles/$name.profdata" "$@" \
      -show-line-counts-or-regions | grep -E '^ +[0-9]+\| +0\|' || true
  fi
done
