#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless.
# Usage: scripts/test.sh [--sanitize | --portable]
#   --sanitize: the same suite built with AddressSanitizer and UBSan
#   --portable: the core built as any C++20 compiler would (no 128-bit integer extension,
#               the integer emulation instead of the x87 unit, -Wpedantic -Werror)
set -euo pipefail
cd "$(dirname "$0")/.."

usage() { sed -n 's/^# \{0,1\}//; 3,6p' "$0" >&2; exit 2; }
[ $# -le 1 ] || usage

buildDir=build/tests
flags=()
if [ $# -eq 0 ]; then
  :
elif [ "$1" = --sanitize ]; then
  buildDir=build/sanitize
  flags=(-DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
         -DVORN_LTO=OFF -DVORN_HARDENING=OFF)
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1"
elif [ "${1:-}" = --portable ]; then
  buildDir=build/portable
  flags=(-DVORN_PORTABLE_CORE=ON -DVORN_BUILD_GUI=OFF)
else
  usage  # a misspelt option must not quietly run the plain suite
fi

scripts/install-deps.sh test
cmake -S . -B "$buildDir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${flags[@]}"
cmake --build "$buildDir"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$buildDir" --output-on-failure -j "$(nproc)"
