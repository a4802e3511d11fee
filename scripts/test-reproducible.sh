#!/usr/bin/env bash
# Builds the last commit twice, in two fresh clones at paths of different lengths, and
# compares what a release ships byte for byte: the Linux program and .deb, the Windows
# program, zip and MSI. Prints each file's digest; a difference fails with the file named.
# Usage: scripts/test-reproducible.sh
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Patterns, matched inside each clone.
shipped=('build/release/app/vorn-ev-calculator' 'build/release/vorn-ev-calculator_*_amd64.deb'
         'build/windows/vorn-ev-calculator.exe' 'build/windows/vorn-ev-calculator-*-windows-x64.zip'
         'build/windows/vorn-ev-calculator-*-x64.msi')
for clone in "$work/a" "$work/second-clone"; do
  git clone -q --no-local . "$clone"
  (cd "$clone" && scripts/package.sh >/dev/null && scripts/package-windows.sh >/dev/null)
done
status=0
for pattern in "${shipped[@]}"; do
  first=$(cd "$work/a" && ls $pattern)
  if cmp -s "$work/a/$first" "$work/second-clone/$first"; then
    echo "same  $(sha256sum "$work/a/$first" | cut -c1-16)  $first"
  else
    echo "DIFFERS  $first"
    status=1
  fi
done
exit $status
