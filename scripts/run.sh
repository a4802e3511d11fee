#!/usr/bin/env bash
# Builds the calculator (installing what is missing) and opens its window.
# Usage: scripts/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { sed -n 's/^# //; /^Usage:/p' "$0" >&2; exit 2; }
scripts/install-deps.sh build
cmake --preset release
cmake --build --preset release
. build/release/identity.sh
exec "build/release/app/$VORN_EXECUTABLE"
