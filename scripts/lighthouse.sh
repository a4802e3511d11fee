#!/usr/bin/env bash
# Measures the page with Lighthouse, on its mobile and desktop settings, against Debian's
# Chromium, and rewrites the Lighthouse table of FIGURES.md in place with the date, commit and
# versions of the run. Builds the site (the "web" presets) and installs what is missing
# first, Lighthouse itself at the version tests/web/package-lock.json pins. Run it on a
# quiet machine: Lighthouse simulates a slow phone from what it sees on this one.
# Usage: scripts/lighthouse.sh [RUNS]   (default 3 of each setting)
set -euo pipefail
cd "$(dirname "$0")/.."
[[ $# -le 1 && ${1:-3} =~ ^[1-9][0-9]*$ ]] || { sed -n 's/^# //; /^Usage:/p' "$0" >&2; exit 2; }
scripts/install-deps.sh web-test
cmake --preset web >/dev/null
cmake --build --preset web-site >/dev/null
/usr/bin/python3 bench/lighthouse.py FIGURES.md build/web/site \
  tests/web/node_modules/.bin/lighthouse /usr/bin/chromium "${1:-3}"
