#!/usr/bin/env bash
# Builds a Debian package of the calculator (installing what is missing) into build/release:
# the "release" workflow preset's steps, with CPack under umask 022. CPack gives the .deb's
# own members (debian-binary, control.tar.gz, data.tar.gz) the modes that its files for them
# get from the umask, and has no setting for it; so the package comes from here, not from
# `cmake --workflow --preset release` under whatever umask the builder has.
# Usage: scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { sed -n 's/^# //; /^Usage:/p' "$0" >&2; exit 2; }
. scripts/source-date-epoch.sh
scripts/install-deps.sh build package
cmake --preset release
cmake --build --preset release
(umask 022 && cpack --preset release)
ls build/release/*.deb
