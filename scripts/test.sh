#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless.
# Usage: scripts/test.sh [--sanitize | --portable]
#   --sanitize: the same suite built with AddressSanitizer and UBSan
#   --portable: the core built as any C++20 compiler would (no 128-bit integer extension,
#               the integer emulation instead of the x87 unit, -Wpedantic -Werror); with
#               CXX set (CXX=clang++), built by that compiler
# Each is a preset of CMakePresets.json (tests, sanitize, portable), which an IDE offers too.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() { sed -n 's/^# \{0,1\}//; 3,8p' "$0" >&2; exit 2; }
[ $# -le 1 ] || usage

case "${1:-}" in
  '') preset=tests ;;
  --sanitize) preset=sanitize ;;
  --portable) preset=portable ;;
  *) usage ;;  # a misspelt option must not quietly run the plain suite
esac

scripts/install-deps.sh test
[ "${CXX:-}" = clang++ ] && scripts/install-deps.sh fuzz  # clang and its runtime
buildDir=build/$preset
# Another compiler builds into a folder of its own: a build folder keeps its compiler.
[ -n "${CXX:-}" ] && buildDir=build/$preset-$(basename "$CXX")
cmake --preset "$preset" -B "$buildDir"
cmake --build "$buildDir"
ctest --preset "$preset" --test-dir "$buildDir" -j "$(nproc)"
