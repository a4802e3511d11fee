#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless.
# Usage: scripts/test.sh [--sanitize]   (--sanitize: AddressSanitizer and UBSan build)
set -euo pipefail
cd "$(dirname "$0")/.."

buildDir=build/tests
flags=()
if [ "${1:-}" = --sanitize ]; then
  buildDir=build/sanitize
  flags=(-DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
         -DVORN_LTO=OFF)
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1"
fi

scripts/install-deps.sh test
cmake -S . -B "$buildDir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${flags[@]}"
cmake --build "$buildDir"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$buildDir" --output-on-failure -j "$(nproc)"
