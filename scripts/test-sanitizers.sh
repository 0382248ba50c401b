#!/usr/bin/env bash
# The core's and the converter's tests again, built with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-asan"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRELVO_SANITIZE=ON -DBRELVO_BUILD_GUI=OFF \
    -DBRELVO_WERROR="$([ "${CI:-}" = "true" ] && echo ON || echo OFF)" > /dev/null
cmake --build "$build" --parallel "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$root/scripts/run-ctest.sh" "$build" --timeout 300
