#!/usr/bin/env bash
# Runs CTest in a build folder and ends with its summary line (CTest lists skipped tests after it).
# Usage: run-ctest.sh BUILD_FOLDER [CTEST OPTIONS...]
set -euo pipefail
build=$1
shift
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
(cd "$build" && ctest --output-on-failure --no-tests=error --parallel "$(nproc)" "$@") | tee "$log" || status=$?
grep -E '^[0-9]+% tests passed' "$log" | tail -n 1
exit $status
