#!/usr/bin/env bash
# Builds a Debian package of the calculator (installing what is missing) into build/release.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/source-date-epoch.sh
scripts/install-deps.sh build package
cmake --preset release
cmake --build --preset release
(cd build/release && cpack)
ls build/release/*.deb
