#!/usr/bin/env bash
# Sets everything up on Debian 12, builds and runs every test. CTest's summary line ends the run.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
if [ "${CI:-}" = "true" ]; then
    CMAKE_ARGS="${CMAKE_ARGS:-} -DBRELVO_WERROR=ON"
fi
source "$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
(cd "$BUILD_DIR" && ctest --output-on-failure --no-tests=error --timeout 300 --parallel "$(nproc)") | tee "$log" ||
    status=$?
# CTest lists skipped tests after its summary; repeat the summary so that it stays the last line.
grep -E '^[0-9]+% tests passed' "$log" | tail -n 1
exit $status
