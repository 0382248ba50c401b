#!/usr/bin/env bash
# The sources keep the project's .clang-format layout.
set -u
root=${1:?source folder}
command -v clang-format > /dev/null || { echo "SKIP: clang-format is not installed"; exit 77; }
cd "$root" || exit 1
files=$(git ls-files '*.cpp' '*.h' 2> /dev/null || find src tests bench -name '*.cpp' -o -name '*.h')
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files
