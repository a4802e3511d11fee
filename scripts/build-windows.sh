#!/usr/bin/env bash
# Cross-compiles the native Windows x86-64 program with MinGW-w64 (installing what is
# missing) and writes build/windows/vorn-ev-calculator.exe: one file that runs on Windows 10
# and 11 with nothing installed beside it. The build folder is the "windows" preset's,
# which scripts/test-windows.sh also builds its tests in: the program tested is the one
# packaged.
# Usage: scripts/build-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { sed -n 's/^# //; /^Usage:/p' "$0" >&2; exit 2; }
. scripts/source-date-epoch.sh
scripts/install-deps.sh windows
cmake --preset windows
. build/windows-release/identity.sh
cmake --build --preset windows --target "$VORN_EXECUTABLE"
mkdir -p build/windows
x86_64-w64-mingw32-strip -o "build/windows/$VORN_EXECUTABLE.exe" \
  "build/windows-release/app/$VORN_EXECUTABLE.exe"
echo "built build/windows/$VORN_EXECUTABLE.exe"
