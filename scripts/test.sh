#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless (the "tests" workflow preset),
# installing what is missing first. The other suites are workflow presets too, listed in
# .ci/run: cmake --workflow --preset sanitize, portable, portable-clang, aarch64, ...
# Usage: scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { sed -n 's/^# //; /^Usage:/p' "$0" >&2; exit 2; }
scripts/install-deps.sh test
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}
exec cmake --workflow --preset tests
