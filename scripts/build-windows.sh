#!/usr/bin/env bash
# Cross-compiles the native Windows x86-64 program with MinGW-w64 (installing what is
# missing) and writes build/windows/vorn-ev-calculator.exe: one file that runs on Windows 10
# and 11 with nothing installed beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/source-date-epoch.sh
scripts/install-deps.sh windows
cmake -S . -B build/windows-release -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DVORN_BUILD_TESTS=OFF
cmake --build build/windows-release --target vorn-ev-calculator
mkdir -p build/windows
x86_64-w64-mingw32-strip -o build/windows/vorn-ev-calculator.exe \
  build/windows-release/app/vorn-ev-calculator.exe
echo "built build/windows/vorn-ev-calculator.exe"
