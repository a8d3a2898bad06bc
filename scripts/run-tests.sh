#!/usr/bin/env bash
# Runs the whole test suite with CTest. Without ORVOSAL_TEST_PG a throwaway PostgreSQL cluster is
# started for the run, so both database engines are always covered where PostgreSQL is installed.
set -euo pipefail
build_dir=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
export QT_QPA_PLATFORM=offscreen
run_ctest() {
  ctest --test-dir "$build_dir" --output-on-failure -j2 --timeout 600
}
# ORVOSAL_TEST_BY_PROGRAM=1 runs each test program as two processes (GoogleTest shards, two at a
# time) instead of one process per test: under the sanitizers starting a process costs more
# than most tests take.
run_programs() {
  local logs running=0 failed=0
  logs=$(mktemp -d)
  run_shard() {
    local program=$1 shard=$2 log="$logs/$(basename "$1").$2.log"
    if GTEST_TOTAL_SHARDS=2 GTEST_SHARD_INDEX=$shard "$program" >"$log" 2>&1; then
      echo "$(basename "$program") shard $shard: $(grep -h '^\[  PASSED  \]' "$log")"
    else
      echo "$(basename "$program") shard $shard FAILED:"
      tail -n 60 "$log"
      return 1
    fi
  }
  local start=$SECONDS
  for program in "$build_dir"/bin/*_tests; do
    for shard in 0 1; do
      run_shard "$program" "$shard" &
      running=$((running + 1))
      if [ "$running" -ge 2 ]; then
        wait -n || failed=1
        running=$((running - 1))
      fi
    done
  done
  while [ "$running" -gt 0 ]; do
    wait -n || failed=1
    running=$((running - 1))
  done
  rm -rf "$logs"
  echo "Test programs: $((SECONDS - start)) s"
  return "$failed"
}
runner=run_ctest
[ "${ORVOSAL_TEST_BY_PROGRAM:-0}" = 1 ] && runner=run_programs
if [ -n "${ORVOSAL_TEST_PG:-}" ]; then
  "$runner"
else
  export -f run_ctest run_programs
  export build_dir
  "$here/test-postgres.sh" bash -c "$runner"
fi
