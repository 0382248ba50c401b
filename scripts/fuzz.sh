#!/usr/bin/env bash
# Builds the rewriter's fuzzer with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs it for a bounded time from the corpus kept in tests/fuzz/corpus. Usage: fuzz.sh [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$root/scripts/install-packages.sh" clang libclang-rt-dev cmake
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRELVO_FUZZ=ON \
    -DBRELVO_BUILD_GUI=OFF > /dev/null
cmake --build "$build" --parallel "$(nproc)" --target atr_rewriter_fuzz
# New inputs go to a scratch folder: the corpus in the repository stays small.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/tests/atr_rewriter_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 "$work" "$root/tests/fuzz/corpus" 2>&1 | tail -n 15
echo "fuzzing: ${seconds} s without a crash, hang or broken invariant"
