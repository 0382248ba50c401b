#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then configures and builds.
# Sourced by run.sh and test.sh; BUILD_DIR and CMAKE_ARGS may be set by the caller.
set -euo pipefail

packages=(build-essential cmake pkg-config clang-format libgtest-dev qt6-base-dev libgl-dev fonts-ipafont-gothic
          xvfb xauth xdotool x11-utils openbox desktop-file-utils appstream dpkg-dev file locales)

"$(dirname "${BASH_SOURCE[0]}")/install-packages.sh" "${packages[@]}"
# A locale whose decimal separator is a comma, for the test that rates are written with a point.
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf-\?8$' && [ "$(id -u)" -eq 0 ]; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "note: could not generate de_DE.UTF-8"
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-"$root/build"}
cmake -S "$root" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release ${CMAKE_ARGS:-}
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
