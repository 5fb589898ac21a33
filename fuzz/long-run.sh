#!/usr/bin/env bash
# Runs every fuzz target (or those named) for a given number of executions each, one after the
# other, growing its corpus in build-fuzz/corpus/<target> from fuzz/seeds/<target>. Prints the
# executions and covered edges of each; any finding fails and leaves its input in build-fuzz/.
# Usage: fuzz/long-run.sh EXECUTIONS [fuzz_target...]   (after ./fuzz.sh has built the targets)
# LONG_RUN_SECONDS, when set, also ends each target after that many seconds; LONG_RUN_FLAGS adds
# libFuzzer flags (such as -max_len=8192).
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:?number of executions per target}"
shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for src in fuzz/*.cpp; do targets+=("fuzz_$(basename "$src" .cpp)"); done
fi
status=0
for name in "${targets[@]}"; do
  binary="build-fuzz/bin/$name"
  [ -x "$binary" ] || { echo "$name: not built (run ./fuzz.sh first)" >&2; exit 2; }
  corpus="build-fuzz/corpus/$name"
  seeds="fuzz/seeds/${name#fuzz_}"
  mkdir -p "$corpus"
  args=("$corpus")
  [ -d "$seeds" ] && args+=("$seeds")
  [ -f "fuzz/${name#fuzz_}.dict" ] && args=("-dict=fuzz/${name#fuzz_}.dict" "${args[@]}")
  [ -n "${LONG_RUN_SECONDS:-}" ] && args=("-max_total_time=$LONG_RUN_SECONDS" "${args[@]}")
  # shellcheck disable=SC2206 # the flags are meant to split
  [ -n "${LONG_RUN_FLAGS:-}" ] && args=(${LONG_RUN_FLAGS} "${args[@]}")
  log="build-fuzz/$name.long.log"
  start=$(date +%s)
  if QT_QPA_PLATFORM=offscreen "$binary" -runs="$runs" -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/$name-" "${args[@]}" >"$log" 2>&1; then
    result="ok"
  else
    result="FINDING"
    status=1
  fi
  # The last status line carries the executions and the covered edges ("#N ... cov: E").
  last=$(grep -E '^#[0-9]+' "$log" | tail -1)
  executions=$(grep -E '^stat::number_of_executed_units:' "$log" | awk '{print $2}')
  edges=$(echo "$last" | sed -nE 's/.* cov: ([0-9]+).*/\1/p')
  echo "$name: $result, ${executions:-?} executions, ${edges:-?} edges, $(($(date +%s) - start)) s"
  [ "$result" = ok ] || tail -40 "$log"
done
exit $status
