#!/usr/bin/env bash
# Builds the calculator (installing what is missing) and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORN_BUILD_TESTS=OFF
cmake --build build/release --target vorn-ev-calculator
exec build/release/app/vorn-ev-calculator
