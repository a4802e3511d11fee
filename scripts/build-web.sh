#!/usr/bin/env bash
# Builds the calculator for the browser (installing what is missing) and writes the static
# site to build/web/site: the page, its script and WebAssembly program, style, font, web
# app manifest, service worker and icons. Serve that folder with any static web server:
#   python3 -m http.server --directory build/web/site 8000   (then open localhost:8000)
# Usage: scripts/build-web.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { sed -n 's/^# //; /^Usage:/p' "$0" >&2; exit 2; }
. scripts/source-date-epoch.sh
scripts/install-deps.sh web
# Debian's Node.js finds Emscripten's JavaScript tools (acorn) here; a Node.js installed
# from elsewhere does not look there by itself.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
cmake --preset web
. build/web/identity.sh
cmake --build --preset web --target "$VORN_EXECUTABLE" web_site
echo "built build/web/site ($(cd build/web/site && cat -- * | gzip -9 | wc -c) bytes gzipped)"
