#!/usr/bin/env bash
# Builds the Windows program and the core's tests with MinGW-w64 and runs them under Wine on
# a virtual X server: the core tests, the program's imports, the real window worked by
# keyboard (tests/win32/window_test.sh), and the MSI and zip packages signed, installed,
# upgraded and removed (tests/win32/package_test.sh). Installs what is missing first.
# Usage: scripts/test-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { sed -n 's/^# //; /^Usage:/p' "$0" >&2; exit 2; }

if [ -z "${VORN_UNDER_XVFB:-}" ]; then
  scripts/install-deps.sh windows-test
  # Wine needs its display from the first call on, so everything runs inside one server.
  VORN_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

build=build/windows-release  # the "windows" preset's, which scripts/package-windows.sh packages
# No .NET or browser engine to offer, and no Linux menu entries for what the tests install.
export WINEPREFIX=$PWD/$build/wine WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# A prefix of its own, made once: Wine's own Tahoma where programs look for it (the
# program itself answers a missing Arial with Liberation Sans), no window manager expected,
# and no crash dialog to hang on.
if [ ! -e "$WINEPREFIX/.ready" ]; then
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.ready"
fi

# One server for the whole run. Left to itself, Wine starts a server with the first process
# and winds it down after the last; Wine processes started in parallel meanwhile can find
# their connection reset and die before their first line (about one core run in two did).
# Wine's own services live as long as that server and hold the output of the program that
# started them, so they are started here and not by a test whose output CTest waits on.
keep_wine_running() {
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
}
wineserver -k 2>/dev/null || true
keep_wine_running
trap 'wineserver -k 2>/dev/null || true' EXIT

# The "windows" presets: every test but the real program's window (label "program").
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}
cmake --workflow --preset windows
# The window's facts as the form description gives them, printed by a native build of the
# description's JSON tool: Wine need not run it.
cmake --preset tests -B build/web-native -DVORN_BUILD_GUI=OFF >/dev/null
cmake --build build/web-native --target form_description_json
build/web-native/tests/web/form_description_json >"$build/form.json"
# The window test changes the resolution between runs, and so restarts the server itself.
wineserver -k
wineserver -w
ctest --preset windows-program
# The packages: signed, installed, upgraded and removed in the same prefix.
keep_wine_running
tests/win32/package_test.sh
