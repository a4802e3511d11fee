#!/usr/bin/env bash
# Builds a Debian package of the calculator (installing what is missing) into build/release.
# Usage: scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { sed -n 's/^# //; /^Usage:/p' "$0" >&2; exit 2; }
. scripts/source-date-epoch.sh
scripts/install-deps.sh build package
cmake --preset release
cmake --build --preset release
# CPack gives the .deb's own members (debian-binary, control.tar.gz, data.tar.gz) the modes
# that its files for them get from the umask, and has no setting for it.
(cd build/release && umask 022 && cpack)
ls build/release/*.deb
