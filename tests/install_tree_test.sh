#!/usr/bin/env bash
# Installing into a staging folder puts exactly the program, its desktop files, manual page,
# copyright and changelog where a desktop and a distribution look for them.
# Usage: install_tree_test.sh BUILD-DIR
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null

expected="usr/bin/vorn-ev-calculator
usr/share/applications/app.vorn.EvCalculator.desktop
usr/share/doc/vorn-ev-calculator/changelog.gz
usr/share/doc/vorn-ev-calculator/copyright
usr/share/icons/hicolor/32x32/apps/app.vorn.EvCalculator.png
usr/share/icons/hicolor/48x48/apps/app.vorn.EvCalculator.png
usr/share/icons/hicolor/scalable/apps/app.vorn.EvCalculator.svg
usr/share/man/man1/vorn-ev-calculator.1.gz
usr/share/metainfo/app.vorn.EvCalculator.metainfo.xml"
actual=$(cd "$stage" && find . -type f | sed 's|^\./||' | sort)
if [ "$actual" != "$expected" ]; then
  diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi
[ -x "$stage/usr/bin/vorn-ev-calculator" ]
# The entry's Exec and Icon name what was installed.
grep -q '^Exec=vorn-ev-calculator$' "$stage/usr/share/applications/app.vorn.EvCalculator.desktop"
grep -q '^Icon=app.vorn.EvCalculator$' "$stage/usr/share/applications/app.vorn.EvCalculator.desktop"
echo "install tree is complete"
