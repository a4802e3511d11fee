#!/usr/bin/env bash
# Builds the page (installing what is missing) and tests it: the core's tests under Node;
# the same readings and results, bit for bit, from the native and the WebAssembly build
# on 200,000 texts and 20,000 cases; then, in each of Chromium, Firefox ESR and WebKitGTK
# (ctest -L web, one test an engine, pytest on tests/web): the window's behaviours from
# tests/behaviours/window.txt, the page's own (dialog, tab order, accessible names, zoom,
# start-up failures, offline use), phones, the desktop's geometry, axe-core's WCAG rules
# in light, dark and forced colours, and a returning visitor across two releases.
# Screenshots of each go into build/screenshots.
# Usage: scripts/test-web.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { sed -n 's/^# //; /^Usage:/p' "$0" >&2; exit 2; }
scripts/install-deps.sh web-test
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}
cmake --workflow --preset web  # the site, and the core's tests under Node
# Debian's Node.js finds Emscripten's JavaScript tools (acorn) here, as the web preset says;
# the builds below that are not the preset's own need it too.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

# A later release under another name, a day newer, that replaces this one on a host.
. build/web/identity.sh
. scripts/source-date-epoch.sh
(export SOURCE_DATE_EPOCH=$((SOURCE_DATE_EPOCH + 86400))
 cmake --preset web -B build/web-next -DVORN_PRODUCT_NAME="$VORN_PRODUCT_NAME (next)" >/dev/null
 cmake --build build/web-next --target "$VORN_EXECUTABLE" web_site >/dev/null)

# The native side of the comparison: the core as the Linux program builds it (x87); and
# the tools that print the form description and the behaviours for the browser tests.
cmake --preset tests -B build/web-native -DVORN_BUILD_GUI=OFF -DVORN_WEB_SITE="$PWD/build/web/site" \
  -DVORN_WEB_NEXT_SITE="$PWD/build/web-next/site" -DVORN_WEB_SCREENSHOTS="$PWD/build/screenshots" \
  >/dev/null
cmake --build build/web-native --target result_bits form_description_json behaviours_json
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/web-native/tests/web/result_bits >"$work/native"
node build/web/tests/web/result_bits.js >"$work/wasm"
if ! cmp -s "$work/native" "$work/wasm"; then
  diff "$work/native" "$work/wasm" | head -20
  echo "FAIL: the WebAssembly build reads or computes other bits than the native one"
  exit 1
fi
echo "ok   the same bits native and in WebAssembly: $(wc -l <"$work/native") texts and cases"

# -V: each engine's pytest summary, its skips with their reasons and its closing line.
ctest --test-dir build/web-native -L web --output-on-failure -V
