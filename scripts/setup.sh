#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then configures and builds.
# Sourced by run.sh and test.sh; BUILD_DIR and CMAKE_ARGS may be set by the caller.
set -euo pipefail

packages=(build-essential cmake pkg-config clang-format libgtest-dev qt6-base-dev libgl-dev fonts-ipafont-gothic
          xvfb xauth xdotool x11-utils openbox desktop-file-utils appstream dpkg-dev file)

"$(dirname "${BASH_SOURCE[0]}")/install-packages.sh" "${packages[@]}"

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-"$root/build"}
cmake -S "$root" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release ${CMAKE_ARGS:-}
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
