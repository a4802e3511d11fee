#!/usr/bin/env bash
# Installing into a staging folder puts exactly the program, its desktop files, manual page,
# copyright and changelog where a desktop and a distribution look for them.
# Usage: install_tree_test.sh BUILD-DIR
set -euo pipefail
build=$1
. "$build/identity.sh"
exe=$VORN_EXECUTABLE id=$VORN_APPLICATION_ID
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null

expected="usr/bin/$exe
usr/share/applications/$id.desktop
usr/share/doc/$exe/changelog.gz
usr/share/doc/$exe/copyright
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/man1/$exe.1.gz
usr/share/metainfo/$id.metainfo.xml"
actual=$(cd "$stage" && find . -type f | sed 's|^\./||' | sort)
if [ "$actual" != "$expected" ]; then
  diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi
[ -x "$stage/usr/bin/$exe" ]
# The entry's Exec and Icon name what was installed.
grep -q "^Exec=$exe\$" "$stage/usr/share/applications/$id.desktop"
grep -q "^Icon=$id\$" "$stage/usr/share/applications/$id.desktop"
echo "install tree is complete"
