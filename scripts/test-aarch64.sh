#!/usr/bin/env bash
# Cross-compiles the core and its tests for 64-bit ARM and runs them under qemu-user, so
# the arithmetic is checked where long double is not the x87 type.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh cross
cmake --preset aarch64
cmake --build --preset aarch64
ctest --preset aarch64 -j "$(nproc)"
