#!/usr/bin/env bash
# The Debian package carries the program and its desktop files, and depends on the Qt
# libraries the binary links (computed, not listed by hand) and on the fonts it asks for.
# Usage: debian_package_test.sh BUILD-DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb=$(ls "$out"/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 fonts-liberation; do
  grep -q "$needed" <<<"$depends" || { echo "Depends lacks $needed: $depends"; exit 1; }
done
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/vorn-ev-calculator ./usr/share/applications/app.vorn.EvCalculator.desktop \
            ./usr/share/metainfo/app.vorn.EvCalculator.metainfo.xml; do
  grep -q " $path\$" <<<"$contents" || { echo "the package lacks $path"; exit 1; }
done
echo "$(basename "$deb"): Depends: $depends"
