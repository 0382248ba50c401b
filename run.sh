#!/usr/bin/env bash
# Sets everything up on Debian 12 and starts Brelvo.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
source "$root/scripts/setup.sh"
exec "$BUILD_DIR/src/app/brelvo"
