#!/usr/bin/env bash
# Builds a release from a clean tree at a tag or commit (default: HEAD), runs the whole test
# suite there, and writes into dist/ the Debian package, the Windows MSI and portable zip,
# the site's tarball for a static web host, and SHA256SUMS over them. With VORN_SIGN_PFX
# and VORN_SIGN_PASSWORD set the Windows files are signed (see scripts/package-windows.sh);
# without them they are not, and it says so.
# Usage: scripts/release.sh [TAG-OR-COMMIT]
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -le 1 ] && [[ ${1:-} != -* ]] || { sed -n 's/^# //; /^Usage:/p' "$0" >&2; exit 2; }
root=$PWD
revision=$(git rev-parse --verify --quiet "${1:-HEAD}^{commit}") || {
  echo "release: '${1:-HEAD}' names no commit here; tag one first (git tag v1.0.0) or give a commit" >&2
  exit 2
}

# A fresh checkout of exactly that commit: nothing uncommitted or left over from earlier
# builds can reach the packages.
tree=$(mktemp -d)
trap 'git -C "$root" worktree remove --force "$tree" 2>/dev/null || rm -rf "$tree"' EXIT
git worktree add --detach "$tree" "$revision" >/dev/null
cd "$tree"
echo "release of $(git describe --tags --always "$revision") from a clean tree"

.ci/run                      # every suite CI runs, the reproducibility check among them
scripts/package.sh >/dev/null
scripts/package-windows.sh
scripts/package-web.sh >/dev/null

dist=$root/dist
rm -rf "$dist"
mkdir -p "$dist"
# The project's own version only: the Windows tests also build packages of a newer one.
. build/release/identity.sh
exe=$VORN_EXECUTABLE version=$VORN_VERSION
cp "build/release/${exe}_${version}_amd64.deb" "build/windows/$exe-$version-x64.msi" \
   "build/windows/$exe-$version-windows-x64.zip" "build/web/$exe-$version-web.tar.gz" "$dist/"
(cd "$dist" && sha256sum -- * >SHA256SUMS)
cat "$dist/SHA256SUMS"
echo "written to $dist"
