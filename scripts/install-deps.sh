#!/usr/bin/env bash
# Installs the Debian packages that a build needs and the machine lacks, and nothing else;
# for the browser tests and scripts/lighthouse.sh, also their npm tools at the versions
# tests/web/package-lock.json pins.
# Usage: scripts/install-deps.sh [build|test|bench|fuzz|package|cross|windows|windows-package|
#                                 windows-test|web|web-test]...
#        (default: build)
set -euo pipefail

build=(cmake ninja-build g++ qt6-base-dev fonts-liberation scdoc)
test=("${build[@]}" libgtest-dev libboost-dev libx11-dev xvfb xauth xdotool x11-utils imagemagick
      desktop-file-utils appstream dpkg-dev file lintian devscripts orca at-spi2-core dbus-daemon)
bench=("${build[@]}" libbenchmark-dev)
fuzz=(cmake ninja-build clang libclang-rt-14-dev libboost-dev)
package=(dpkg-dev file lintian devscripts)
cross=(cmake ninja-build g++-aarch64-linux-gnu qemu-user googletest libboost-dev)
windows=(cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 librsvg2-bin
         imagemagick googletest libboost-dev)
windows_package=("${windows[@]}" wixl msitools uuid-runtime faketime osslsigncode zip)
windows_test=("${windows_package[@]}" openssl unzip wine wine64 fonts-wine fonts-liberation xvfb
              xauth xdotool x11-utils xclip)
web=(cmake ninja-build emscripten nodejs node-acorn node-jsdom googletest libboost-dev librsvg2-bin
     python3-fonttools python3-brotli fonts-liberation)
web_test=("${web[@]}" g++ libgtest-dev chromium chromium-driver python3-selenium firefox-esr
          webkit2gtk-driver xvfb xauth python3-pytest)

wanted=()
npm_tools=false
for group in "${@:-build}"; do
  case "$group" in
    build) wanted+=("${build[@]}") ;;
    test) wanted+=("${test[@]}") ;;
    bench) wanted+=("${bench[@]}") ;;
    fuzz) wanted+=("${fuzz[@]}") ;;
    package) wanted+=("${package[@]}") ;;
    cross) wanted+=("${cross[@]}") ;;
    windows) wanted+=("${windows[@]}") ;;
    windows-package) wanted+=("${windows_package[@]}") ;;
    windows-test) wanted+=("${windows_test[@]}") ;;
    web) wanted+=("${web[@]}") ;;
    web-test) wanted+=("${web_test[@]}"); npm_tools=true ;;
    *) echo "install-deps: unknown group '$group'" >&2
       sed -n '/^# Usage:/,/^# *(default/s/^# //p' "$0" >&2; exit 2 ;;
  esac
done

# Debian's npm, unless the machine has one (some Node.js packages bring their own).
if $npm_tools && ! command -v npm >/dev/null; then wanted+=(npm); fi

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
    $(printf '%s\n' "${missing[@]}" | sort -u)
fi

# npm records what it installed beside the packages; a lock file newer than that record,
# or none, means the pinned versions are not all there.
tools=$(dirname "$0")/../tests/web
if $npm_tools && ! [ "$tools/node_modules/.package-lock.json" -nt "$tools/package-lock.json" ]; then
  echo "Installing the browser tests' npm tools"
  npm ci --prefix "$tools" --no-audit --no-fund --loglevel=error
fi
