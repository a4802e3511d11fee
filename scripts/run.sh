#!/usr/bin/env bash
# Builds the calculator (installing what is missing) and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
cmake --preset release
cmake --build --preset release
. build/release/identity.sh
exec "build/release/app/$VORN_EXECUTABLE"
