#!/usr/bin/env bash
# The Debian package as a distribution checks it: it carries the program, its desktop files,
# manual page, copyright and changelog; it depends on the Qt libraries the binary links
# (computed, not listed by hand) and on the fonts it asks for, and recommends Qt's Wayland
# plugin; lintian finds no error or warning in it; and its program has every hardening
# feature Debian's own packages have.
# A build made without hardening (the sanitizers' own) is checked for all but the last.
# Usage: debian_package_test.sh BUILD-DIR [hardened|unhardened]
set -euo pipefail
build=$1 hardening=${2:-hardened}
. "$build/identity.sh"
exe=$VORN_EXECUTABLE id=$VORN_APPLICATION_ID
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb=$(ls "$out"/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 fonts-liberation; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
# Without Qt's Wayland plugin the window goes through XWayland on a Wayland session.
recommends=$(dpkg-deb -f "$deb" Recommends)
grep -q -w qt6-wayland <<<"$recommends" || fail "Recommends lacks qt6-wayland: $recommends"
contents=$(dpkg-deb -c "$deb")
for path in "./usr/bin/$exe" "./usr/share/applications/$id.desktop" \
            "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/man/man1/$exe.1.gz" \
            "./usr/share/doc/$exe/copyright" "./usr/share/doc/$exe/changelog.gz"; do
  grep -q " $path\$" <<<"$contents" || fail "the package lacks $path"
done
echo "ok   $(basename "$deb"): Depends: $depends; Recommends: $recommends"

# lintian at its default level: no error (E:) and no warning (W:).
lintian --no-tag-display-limit "$deb" >"$out/lintian.log" 2>&1 || true
if grep -E '^(E|W): ' "$out/lintian.log"; then fail "lintian reports the lines above"; fi
echo "ok   lintian: no error, no warning"

[ "$hardening" = hardened ] || { echo "skipped: hardening, in a build made without it"; exit 0; }
dpkg-deb -x "$deb" "$out/root"
program=$out/root/usr/bin/$exe
report=$(hardening-check "$program" || true)
for feature in 'Position Independent Executable' 'Stack protected' 'Fortify Source functions' \
               'Read-only relocations' 'Immediate binding'; do
  grep -q "^ $feature: yes" <<<"$report" || { echo "$report"; fail "not hardened: $feature"; }
done
# hardening-check looks for a property note that Debian 12's own start files lack, so no
# program there has it; the compiler's part is the endbr64 marker at the entry of every
# function that can be reached indirectly (main among them; functions only ever called
# directly need none), read off the unstripped build of the same program. Probes against
# stack clash appear only where a frame is large enough to need them.
grep -q -E "^ Stack clash protection: (yes|unknown)" <<<"$report" ||
  { echo "$report"; fail "no stack clash protection"; }
entries=$(objdump -d --no-show-raw-insn -j .text "$build/app/$exe" |
          grep -A1 -E '^[0-9a-f]+ <(_Z[^>]*|main)>:$' | grep -v '^--' | paste - -)
marked=$(grep -c -E '>:\s+[0-9a-f]+:\s+endbr64' <<<"$entries" || true)
grep -q -E '^[0-9a-f]+ <main>:\s+[0-9a-f]+:\s+endbr64' <<<"$entries" && [ "$marked" -ge 10 ] ||
  fail "no endbr64 markers at function entries (control flow protection): $marked"
echo "ok   hardened: PIE, stack protector, fortified functions, full RELRO, immediate binding;" \
     "$marked functions, main among them, begin with endbr64"
