#!/usr/bin/env bash
# Builds the page's site (the "web" configure and "web-site" build presets, installing what
# is missing) into build/web/site, and packs it into
# build/web/vorn-ev-calculator-<version>-web.tar.gz: one folder named like the archive
# (vorn-ev-calculator-<version>-web/) holding the site's files as a static host serves them,
# so that unpacking it never scatters files; its contents go into the web root.
# The same commit gives the same bytes: names sorted, the commit's time on every entry,
# root as owner, 0644 files and 0755 folders whatever the umask, gzip without name or time.
# Usage: scripts/package-web.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { sed -n 's/^# //; /^Usage:/p' "$0" >&2; exit 2; }
. scripts/source-date-epoch.sh

# The site holds only what this build staged (data/web/finish-site.js), so a file that an
# earlier build left behind never ships, and an existing build folder serves.
scripts/install-deps.sh web
cmake --preset web >/dev/null
cmake --build --preset web-site
. build/web/identity.sh
folder=$VORN_EXECUTABLE-$VORN_VERSION-web
tarball=$PWD/build/web/$folder.tar.gz

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp -R build/web/site "$stage/$folder"
# The linker makes the .wasm executable, and the umask decides the rest.
find "$stage/$folder" \( -type d -exec chmod 0755 {} + \) -o \( -type f -exec chmod 0644 {} + \)
(cd "$stage" && tar --create --format=ustar --sort=name --mtime="@$SOURCE_DATE_EPOCH" \
  --owner=root:0 --group=root:0 "$folder") | gzip -9n >"$tarball"
echo "built $tarball"
