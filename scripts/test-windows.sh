#!/usr/bin/env bash
# Builds the core, its tests and brelvo-convert.exe for Windows with mingw-w64 and runs the tests
# under Wine. Installs the cross compiler and Wine when they are missing (about 1 GB on disk).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-packages.sh" g++-mingw-w64-x86-64-posix wine64 cmake libgtest-dev

# One Wine prefix per run, with a server that outlives each test and holds no test's output open.
export WINEPREFIX
WINEPREFIX=$(mktemp -d)
export WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d"
unset DISPLAY
cleanup() {
    /usr/lib/wine/wineserver -k > /dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
/usr/lib/wine/wineserver -p < /dev/null > /dev/null 2>&1
/usr/lib/wine/wine64 wineboot --init < /dev/null > /dev/null 2>&1

cd "$root"
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake --preset mingw -DBRELVO_WERROR=$werror
cmake --build --preset mingw --parallel "$(nproc)"
"$root/scripts/run-ctest.sh" build-mingw --timeout 120
