#!/usr/bin/env bash
# Builds the Windows program (the "windows" presets, cross-compiled with MinGW-w64) and its
# packages, installing what is missing:
#   build/windows/vorn-ev-calculator.exe                         the program, stripped
#   build/windows/vorn-ev-calculator-<version>-x64.msi           Windows Installer package
#   build/windows/vorn-ev-calculator-<version>-windows-x64.zip   portable program
# The build folder is the one scripts/test-windows.sh tests in: the program tested is the one
# packaged.
# The names, version and installer source come from the build's generated identity.
#
# Signing: with VORN_SIGN_PFX (a PFX file) and VORN_SIGN_PASSWORD set, the program is signed
# before it is packaged and the MSI after; VORN_SIGN_TIMESTAMP_URL (an RFC 3161 server) adds
# a timestamp, which a release should have so that its signature outlives the certificate.
# Without a certificate the packages are built unsigned, and the script says so.
# Usage: scripts/package-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { sed -n 's/^# //; /^Usage:/p' "$0" >&2; exit 2; }
root=$PWD
. scripts/source-date-epoch.sh

scripts/install-deps.sh windows-package
cmake --preset windows >/dev/null
cmake --build --preset windows-program

build=$root/build/windows-release
. "$build/identity.sh"
exe=$VORN_EXECUTABLE version=$VORN_VERSION
mkdir -p build/windows
x86_64-w64-mingw32-strip -o "build/windows/$exe.exe" "$build/app/$exe.exe"
# A test build may pose as another version, to check that an upgrade replaces the old one.
version=${VORN_PACKAGE_VERSION_FOR_TESTS:-$version}
out=$root/build/windows
msi=$out/$exe-$version-x64.msi
zip=$out/$exe-$version-windows-x64.zip

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

sign() {
  [ -n "${VORN_SIGN_PFX:-}" ] || return 0
  local options=(-pkcs12 "$VORN_SIGN_PFX" -h sha256 -n "$VORN_PRODUCT_NAME")
  # The password goes through a pipe, never the command line that other users can see.
  [ -n "${VORN_SIGN_TIMESTAMP_URL:-}" ] && options+=(-ts "$VORN_SIGN_TIMESTAMP_URL")
  osslsigncode sign "${options[@]}" -readpass <(printf '%s' "${VORN_SIGN_PASSWORD:-}") \
    -in "$1" -out "$1.signed" >/dev/null
  mv "$1.signed" "$1"
}

cp "build/windows/$exe.exe" "$stage/"
sign "$stage/$exe.exe"
cp "$build/data/windows/$exe.ico" "$stage/program.ico"
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"  # Windows line ends, for Notepad and friends

# The cabinet inside the MSI keeps each file's time.
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*

# One version, one product code and one package code, derived from the version under the
# package's fixed upgrade code. Running the same version's package again then finds it
# installed: Windows Installer opens that installation (silently, exit code 0) instead of
# installing a second copy beside it, as a new product code would, or refusing with error
# 1638, as the same product code under a new package code would.
wxs=$build/data/windows/$exe.wxs
derived_code() { uuidgen --sha1 --namespace "$VORN_UPGRADE_CODE" --name "$1 $version" | tr a-f A-F; }
product_code=$(derived_code product)
package_code=$(derived_code package)

# wixl takes its sources relative to the folder it runs in. It and msibuild write the
# time they run into the summary; faketime gives them the commit's.
at_commit_time=(faketime "@$SOURCE_DATE_EPOCH")
(cd "$stage" && "${at_commit_time[@]}" wixl --arch x64 -D Version="$version" \
  -D ProductCode="$product_code" -D IconFile=program.ico -D ProgramFile="$exe.exe" \
  -D LicenceFile=LICENSE.txt -o "$msi" "$wxs")
# wixl draws a random package code whatever the source says; the summary gets the derived one.
"${at_commit_time[@]}" msibuild "$msi" -s "$VORN_PRODUCT_NAME $version" "$VORN_PUBLISHER" \
  "x64;1033" "{$package_code}"
sign "$msi"

folder=$exe-$version
mkdir "$stage/$folder"
cp "$stage/$exe.exe" "$stage/LICENSE.txt" "$stage/$folder/"
sed 's/$/\r/' data/windows/README.txt >"$stage/$folder/README.txt"
# The same bytes from every build of one commit: the commit's time on every file, in UTC
# (zip keeps local times), the entries in sorted order, no extra Unix fields, and modes of
# our choosing (zip keeps those too, and the umask would choose them otherwise).
chmod 0644 "$stage/$folder"/*
chmod 0755 "$stage/$folder/$exe.exe"
find "$stage/$folder" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
rm -f "$zip"
(cd "$stage" && find "$folder" | LC_ALL=C sort | TZ=UTC zip -q -X -D -@ "$zip")

if [ -n "${VORN_SIGN_PFX:-}" ]; then
  echo "built and signed: $msi, $zip"
else
  echo "built UNSIGNED (set VORN_SIGN_PFX and VORN_SIGN_PASSWORD to sign): $msi, $zip"
fi
