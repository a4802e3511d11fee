#!/usr/bin/env bash
# Cross-compiles the core and its tests for 64-bit ARM and runs them under qemu-user, so
# the arithmetic is checked where long double is not the x87 type.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh cross
cmake -S . -B build/aarch64 -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake -DVORN_BUILD_GUI=OFF -DVORN_LTO=OFF
cmake --build build/aarch64
ctest --test-dir build/aarch64 --output-on-failure -j "$(nproc)"
