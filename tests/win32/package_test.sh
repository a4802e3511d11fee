#!/usr/bin/env bash
# The Windows packages as an administrator and a user meet them, under Wine: both signed
# with a throwaway certificate and verified; a silent install that puts the program, its
# Start-menu shortcut and its uninstall entry (with the install location) in place, and a
# program that starts and closes cleanly; the same package again, which leaves one copy; a
# newer package that replaces the older one, which then cannot go back over it; and a
# silent removal that leaves nothing behind. Needs DISPLAY and WINEPREFIX (see
# scripts/test-windows.sh).
# Usage: package_test.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. build/windows-release/identity.sh  # written by the build that scripts/test-windows.sh made
exe=$VORN_EXECUTABLE name=$VORN_PRODUCT_NAME version=$VORN_VERSION

# A self-signed code-signing certificate: untrusted as a chain, but every signature made
# with it must verify against it.
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=$VORN_PRODUCT_NAME test" \
  -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -passout pass:throwaway \
  -out "$work/cert.pfx"
export VORN_SIGN_PFX=$work/cert.pfx VORN_SIGN_PASSWORD=throwaway

newer=${version%.*}.$((${version##*.} + 1))
scripts/package-windows.sh >/dev/null
VORN_PACKAGE_VERSION_FOR_TESTS=$newer scripts/package-windows.sh >/dev/null
old_msi=build/windows/$exe-$version-x64.msi
new_msi=build/windows/$exe-$newer-x64.msi
zip=build/windows/$exe-$version-windows-x64.zip

fail() { echo "FAIL: $*"; exit 1; }

unzip -q "$zip" -d "$work/zip"
for file in "$old_msi" "$work/zip/$exe-$version/$exe.exe"; do
  osslsigncode verify -CAfile "$work/cert.pem" -in "$file" >"$work/verify.log" 2>&1 ||
    { cat "$work/verify.log"; fail "the signature of $(basename "$file") does not verify"; }
done
[ -f "$work/zip/$exe-$version/LICENSE.txt" ] &&
  [ -f "$work/zip/$exe-$version/README.txt" ] || fail "the zip lacks LICENSE or README"
echo "ok   program and MSI signed, signatures verify; the zip holds program, licence and README"

drive_c=$WINEPREFIX/drive_c
installed="$drive_c/Program Files/$name"
# Wine 8 resolves the Start menu's Programs folder per user even for a per-machine install
# (Windows puts the shortcut under ProgramData); either place counts, and neither may stay.
shortcuts=("$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$name.lnk"
           "$drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$name.lnk")
shortcut_present() { [ -f "${shortcuts[0]}" ] || [ -f "${shortcuts[1]}" ]; }
copies() { wine uninstaller --list 2>/dev/null | tr -d '\r' | grep -c "|||$name\$" || true; }
# The uninstall entry's value, for the one installed copy.
entry() {
  local code
  code=$(wine uninstaller --list 2>/dev/null | tr -d '\r' | sed -n "s/|||$name\$//p")
  wine reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$code" \
    /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}
installed_version() { entry DisplayVersion; }

# A copy left by an earlier run would make the counts below meaningless.
for code in $(wine uninstaller --list 2>/dev/null | tr -d '\r' | sed -n "s/|||$name\$//p"); do
  wine msiexec /x "$code" /qn
done

wine msiexec /i "$(winepath -w "$old_msi")" /qn || fail "silent install failed"
[ -f "$installed/$exe.exe" ] || fail "no program in Program Files"
shortcut_present || fail "no Start-menu shortcut"
[ "$(copies)" -eq 1 ] && [ "$(installed_version)" = "$version" ] || fail "no uninstall entry for $version"
[ "$(entry Publisher)" = "$VORN_PUBLISHER" ] || fail "the uninstall entry names no publisher"
(timeout 60 wine "$installed/$exe.exe" >/dev/null 2>&1; echo $? >"$work/status") &
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Vorn EV calculator$' | head -n 1)
[ -n "$window" ] || fail "the installed program showed no window"
xdotool windowfocus --sync "$window"
xdotool key alt+F4
wait
[ "$(cat "$work/status")" = 0 ] || fail "the installed program ended with $(cat "$work/status")"
echo "ok   silent install: program, shortcut, uninstall entry; the program starts and closes"

location=$(entry InstallLocation)
[ "$location" = "C:\\Program Files\\$name\\" ] ||
  fail "the uninstall entry gives the install location as '$location'"
echo "ok   the uninstall entry gives the install location"

# The same version again, as a user who runs the installer twice does: one copy, exit 0.
wine msiexec /i "$(winepath -w "$old_msi")" /qn || fail "a second install of $version failed"
[ "$(copies)" -eq 1 ] && [ "$(installed_version)" = "$version" ] ||
  fail "$(copies) copies installed after a second install of $version"
[ -f "$installed/$exe.exe" ] || fail "a second install of $version lost the program"
echo "ok   $version installed again: still one copy"

wine msiexec /i "$(winepath -w "$new_msi")" /qn || fail "silent upgrade failed"
[ "$(copies)" -eq 1 ] || fail "$(copies) copies installed after the upgrade"
[ "$(installed_version)" = "$newer" ] || fail "version $(installed_version) after the upgrade"
echo "ok   $newer replaces $version: one copy installed"

! wine msiexec /i "$(winepath -w "$old_msi")" /qn 2>/dev/null || fail "$version went over $newer"
[ "$(copies)" -eq 1 ] && [ "$(installed_version)" = "$newer" ] || fail "a downgrade changed $newer"
echo "ok   $version refuses to replace $newer"

wine msiexec /x "$(winepath -w "$new_msi")" /qn || fail "silent removal failed"
[ ! -e "$installed" ] || fail "the program's folder is left behind"
! shortcut_present || fail "the shortcut is left behind"
[ "$(copies)" -eq 0 ] || fail "the uninstall entry is left behind"
echo "ok   silent removal: files, folder, shortcut and uninstall entry gone"
