#!/usr/bin/env bash
# Builds the page (installing what is missing) and tests it: the core's tests under Node;
# the same readings and results, bit for bit, from the native and the WebAssembly build
# on 200,000 texts and 20,000 cases; the page in headless Chromium (keyboard, faults,
# tab order, accessible names, results whole, start-up failures, offline use; phones,
# the desktop's geometry, dark mode, forced colours and axe-core's WCAG rules); and the
# page in headless Firefox ESR (the worked example, a fault, leaving a field).
# Screenshots of each go into build/screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh web-test
scripts/build-web.sh
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
cmake --build --preset web
ctest --preset web -j "$(nproc)"

# The native side of the comparison: the core as the Linux program builds it (x87).
cmake --preset tests -B build/web-native -DVORN_BUILD_GUI=OFF >/dev/null
cmake --build build/web-native --target result_bits form_description_json
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/web-native/tests/result_bits >"$work/native"
node build/web/tests/result_bits.js >"$work/wasm"
if ! cmp -s "$work/native" "$work/wasm"; then
  diff "$work/native" "$work/wasm" | head -20
  echo "FAIL: the WebAssembly build reads or computes other bits than the native one"
  exit 1
fi
echo "ok   the same bits native and in WebAssembly: $(wc -l <"$work/native") texts and cases"

# Everything a visit loads (the app icons only an installation fetches), gzipped as a
# server sends it.
. build/web/identity.sh
loaded=(index.html style.css start.js "$VORN_EXECUTABLE.js" "$VORN_EXECUTABLE.wasm"
        liberation-sans-regular.woff2 liberation-sans-bold.woff2 manifest.webmanifest
        service-worker.js icon-32.png)
size=0
for file in "${loaded[@]}"; do size=$((size + $(gzip -9c "build/web/site/$file" | wc -c))); done
[ "$size" -le 61440 ] || { echo "FAIL: the page weighs $size bytes gzipped, over 60 KB"; exit 1; }
echo "ok   the page weighs $size bytes gzipped (at most 61,440)"

mkdir -p build/screenshots
/usr/bin/python3 tests/web/page_test.py build/web/site build/screenshots/page.png
/usr/bin/python3 tests/web/layout_test.py build/web/site build/web-native/tests/form_description_json \
  tests/web/node_modules/axe-core/axe.min.js build/screenshots
/usr/bin/python3 tests/web/firefox_test.py build/web/site
