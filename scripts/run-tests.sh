#!/usr/bin/env bash
# Runs the whole test suite with CTest. Without ORVOSAL_TEST_PG a throwaway PostgreSQL cluster is
# started for the run, so both database engines are always covered where PostgreSQL is installed.
set -euo pipefail
build_dir=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
export QT_QPA_PLATFORM=offscreen
# ORVOSAL_CTEST_EXCLUDE, when set, is a regular expression of test names to leave out.
run_ctest() {
  ctest --test-dir "$build_dir" --output-on-failure -j2 --timeout 600 \
    ${ORVOSAL_CTEST_EXCLUDE:+-E "$ORVOSAL_CTEST_EXCLUDE"}
}
if [ -n "${ORVOSAL_TEST_PG:-}" ]; then
  run_ctest
else
  export -f run_ctest
  export build_dir
  "$here/test-postgres.sh" bash -c run_ctest
fi
