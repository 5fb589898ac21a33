#!/usr/bin/env bash
# Replays the kept corpus of each parser's fuzz target (fuzz/seeds/<target>) once and prints the
# share of lines of each parser's source file that it reaches, with clang's source-based coverage.
# Only the harness and the parser's own sources are compiled with coverage; the rest links from
# the ordinary build, so run ./test.sh (or build the libraries in build/) first.
# Usage: fuzz/coverage.sh [--details]   (--details lists the lines no input reaches)
set -euo pipefail
cd "$(dirname "$0")/.."
out=build-fuzz-coverage
details=0
[ "${1:-}" = --details ] && details=1
mkdir -p "$out"
read -r -a qt < <(pkg-config --cflags Qt6Widgets)
read -r -a qtLibs < <(pkg-config --libs Qt6Widgets)
# target | parser sources (measured) | libraries of the ordinary build it also needs
parsers=(
  "catalogue_load|catalogue/OrlendaData.cpp catalogue/CatalogueText.cpp|"
  "theme_file|skin/styles/SUIThemeFile.cpp|"
  "form_description|framework/FormReader.cpp framework/FormValues.cpp|build/skin/liborlenda_skin.a build/framework/liborlenda_framework.a"
  "banner_jpeg|browser/BannerImage.cpp|-ljpeg"
)
for entry in "${parsers[@]}"; do
  IFS='|' read -r name sources libraries <<<"$entry"
  read -r -a sources <<<"$sources"
  read -r -a libraries <<<"$libraries"
  binary="$out/fuzz_$name"
  # A harness that declares its own QObject classes includes the moc output of itself.
  if grep -q "^#include \"$name.moc\"" "fuzz/$name.cpp"; then
    "$(pkg-config --variable=libexecdir Qt6Core)/moc" "fuzz/$name.cpp" -o "$out/$name.moc"
  fi
  clang++ -std=c++20 -O1 -g -fPIC -fprofile-instr-generate -fcoverage-mapping -fsanitize=fuzzer \
    -DQT_DISABLE_DEPRECATED_UP_TO=0x060400 -DQT_NO_KEYWORDS -I. -I"$out" "${qt[@]}" \
    "fuzz/$name.cpp" "${sources[@]}" "${libraries[@]}" "${qtLibs[@]}" -o "$binary"
  rm -f "$out/$name.profraw"
  # -runs=0: every input of the corpus runs once, nothing new is generated.
  LLVM_PROFILE_FILE="$out/$name.profraw" QT_QPA_PLATFORM=offscreen \
    "$binary" -runs=0 "fuzz/seeds/$name" >"$out/$name.log" 2>&1
  llvm-profdata merge -sparse "$out/$name.profraw" -o "$out/$name.profdata"
  echo "== fuzz_$name over $(find "fuzz/seeds/$name" -type f | wc -l) inputs"
  llvm-cov report "$binary" -instr-profile="$out/$name.profdata" "${sources[@]}" \
    | awk '/\.cpp|^TOTAL/ { print $1, "lines", $(NF-5), "missed", $(NF-4), "covered", $(NF-3) }'
  if [ $details = 1 ]; then
    llvm-cov show "$binary" -instr-profile="$out/$name.profdata" "${sources[@]}" \
      | grep -E '^ *[0-9]+\| +0\|' || true
  fi
done
