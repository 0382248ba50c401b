#!/usr/bin/env bash
# Sets everything up on Debian 12, builds and runs every test. CTest's summary line ends the run.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
if [ "${CI:-}" = "true" ]; then
    CMAKE_ARGS="${CMAKE_ARGS:-} -DBRELVO_WERROR=ON"
fi
source "$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
"$root/scripts/run-ctest.sh" "$BUILD_DIR" --timeout 300
