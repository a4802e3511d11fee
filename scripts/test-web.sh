#!/usr/bin/env bash
# Builds the page (installing what is missing) and tests it: the core's tests under Node;
# the same readings and results, bit for bit, from the native and the WebAssembly build
# on 200,000 texts and 20,000 cases; the page in headless Chromium (keyboard, faults,
# tab order, accessible names, results whole, start-up failures, offline use; phones,
# the desktop's geometry, dark mode, forced colours and axe-core's WCAG rules); and the
# page in headless Firefox ESR (the worked example, a fault, leaving a field); and a
# returning visitor across two releases.
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

# The native side of the comparison: the core as the Linux program builds it (x87).
cmake --preset tests -B build/web-native -DVORN_BUILD_GUI=OFF >/dev/null
cmake --build build/web-native --target result_bits form_description_json
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

mkdir -p build/screenshots
/usr/bin/python3 tests/web/behaviour_test.py build/web/site build/web-native/tests/web/form_description_json
/usr/bin/python3 tests/web/page_test.py build/web/site build/web-native/tests/web/form_description_json \
  build/screenshots/page.png
/usr/bin/python3 tests/web/layout_test.py build/web/site build/web-native/tests/web/form_description_json \
  tests/web/node_modules/axe-core/axe.min.js build/screenshots
/usr/bin/python3 tests/web/firefox_test.py build/web/site

# A later release under another name, a day newer, that replaces this one on a host.
. build/web/identity.sh
. scripts/source-date-epoch.sh
(export SOURCE_DATE_EPOCH=$((SOURCE_DATE_EPOCH + 86400))
 cmake --preset web -B build/web-next -DVORN_PRODUCT_NAME="$VORN_PRODUCT_NAME (next)" >/dev/null
 cmake --build build/web-next --target "$VORN_EXECUTABLE" web_site >/dev/null)
/usr/bin/python3 tests/web/update_test.py build/web/site build/web-next/site
