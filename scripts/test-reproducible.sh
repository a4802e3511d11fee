#!/usr/bin/env bash
# Builds the last commit twice, in two fresh clones at paths of different lengths, under
# different umasks (022 and 002) and time zones (UTC and UTC+14), and compares what a release
# ships byte for byte: the Linux program and .deb, the Windows program, zip and MSI, and the
# site's tarball. Prints each file's digest; a difference fails with the file named.
# Usage: scripts/test-reproducible.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { sed -n 's/^# //; /^Usage:/p' "$0" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Patterns, matched inside each clone.
shipped=('build/release/app/vorn-ev-calculator' 'build/release/vorn-ev-calculator_*_amd64.deb'
         'build/windows/vorn-ev-calculator.exe' 'build/windows/vorn-ev-calculator-*-windows-x64.zip'
         'build/windows/vorn-ev-calculator-*-x64.msi' 'build/web/vorn-ev-calculator-*-web.tar.gz')
# The umask reaches every file the clone and the build write; Kiritimati is 14 hours ahead of
# UTC, a different date for most of each day, so local times cannot hide in the packages.
build() {  # folder umask time-zone
  (umask "$2" && export TZ=$3 && git clone -q --no-local . "$1" && cd "$1" &&
   scripts/package.sh >/dev/null && scripts/package-windows.sh >/dev/null &&
   scripts/package-web.sh >/dev/null)
}
build "$work/a" 022 UTC
build "$work/second-clone" 002 Pacific/Kiritimati
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
