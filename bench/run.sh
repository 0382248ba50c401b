#!/usr/bin/env bash
# Prints the performance table of the README in one run: the converter on 200 MB, cp of the
# output for scale, the desktop program through its progress window, and peak memory.
# Usage: bench/run.sh [BUILD_FOLDER] [MEGABYTES]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
"$build/bench/brelvo_bench" "$build/src/brelvo-convert" "${2:-200}" "${TMPDIR:-/tmp}" "$build/bench/brelvo_gui_bench"
