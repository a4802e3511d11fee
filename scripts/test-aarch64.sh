#!/usr/bin/env bash
# Cross-compiles the core and its tests for 64-bit ARM and runs them under qemu-user, so
# the arithmetic is checked where long double is not the x87 type.
# Usage: scripts/test-aarch64.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { sed -n 's/^# //; /^Usage:/p' "$0" >&2; exit 2; }
scripts/install-deps.sh cross
cmake --preset aarch64
cmake --build --preset aarch64
ctest --preset aarch64 -j "$(nproc)"
