#!/usr/bin/env bash
# Runs the real program on an X server (start it under xvfb-run), works it by keyboard as a
# person would, saves a screenshot, checks the widest results on the screen, closes the
# window as a window manager does and checks that the program ends with status 0. The
# window's size, places and tab order come from the form description as
# tests/web/form_description_json prints it.
# Usage: smoke_test.sh PROGRAM CLOSE-HELPER SCREENSHOT.png FORM-DESCRIPTION-TOOL
set -euo pipefail
program=$1 closer=$2 screenshot=$3
facts=$(mktemp)
"$4" >"$facts"
. "$(dirname "$0")/../shared/form_facts.sh"
load_form "$facts"
unset QT_QPA_PLATFORM  # a real window on the X server, not Qt's offscreen platform

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -f "$facts"' EXIT

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vorn EV calculator$' | head -n 1)
[ -n "$window" ] || { echo "the window never appeared"; exit 1; }
xdotool windowfocus --sync "$window"
sleep 0.5  # let the first paint finish

# The focus starts on the first stop, the button; Tab leads to each field in turn.
tab_key=(xdotool key --window "$window")
inputs=(MoneyToCallEdit WinningsEdit KnownCardsEdit OutsEdit)
calculate() {
  local i
  for i in 0 1 2 3; do
    tab_to "${inputs[$i]}"
    xdotool key --window "$window" ctrl+a
    xdotool type --window "$window" --delay 20 -- "$1"
    shift
  done
  tab_to Button1
  xdotool key --window "$window" space
  sleep 0.5
}
calculate 10 30 5 9

# The icon arrives just after the first paint; by now it must be there, in both sizes (Qt
# scales the smaller one by a fractional scale factor).
icons=$(xprop -id "$window" _NET_WM_ICON | grep -o -E 'Icon \([0-9]+ x [0-9]+\)' || true)
[ "$(wc -l <<<"$icons")" -eq 2 ] && grep -q 'Icon (48 x 48)' <<<"$icons" ||
  { echo "the window does not carry its 32 and 48 pixel icons"; exit 1; }

mkdir -p "$(dirname "$screenshot")"
import -window "$window" "$screenshot"
# The client area as designed, times the scale factor when one is set.
scale=${QT_SCALE_FACTOR:-1}
expected=$(awk -v s="$scale" -v w="$client_width" -v h="$client_height" \
  'BEGIN { printf "%dx%d", int(w * s + 0.5), int(h * s + 0.5) }')
size=$(identify -format '%wx%h' "$screenshot")
[ "$size" = "$expected" ] || { echo "client area is $size, not $expected"; exit 1; }

# The widest results of both forms, one in each field (22 characters each), read off the
# screen: each field's text starts at its left edge, the minus sign in view, and its ink
# stops short of the field's right edge.
calculate 0.0001 -1e-300 5 9
longest=${screenshot%.png}-longest.png
import -window "$window" "$longest"
for field in CallEvEdit FoldEvEdit; do  # inside the frame and the style's own margins
  read -r left top width height < <(control_geometry "$field")
  geometry=$(awk -v s="$scale" -v l="$left" -v t="$top" -v w="$width" \
    'BEGIN { printf "%dx%d+%d+%d", int((w - 8) * s), int(13 * s), int((l + 4) * s), int((t + 4) * s) }')
  ink=$(convert "$longest" -crop "$geometry" +repage -fuzz 20% -trim -format '%w %X' info:)
  inkLeft=${ink#* +} inkWidth=${ink% *} room=${geometry%%x*}
  [ "$inkLeft" -le $((room / 40)) ] && [ $((inkLeft + inkWidth)) -lt "$room" ] ||
    { echo "$field's result is cut: ink from $inkLeft, $inkWidth wide, in $room"; exit 1; }
done

"$closer" "$window"
for _ in $(seq 100); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then echo "the program did not end after the close request"; exit 1; fi
trap 'rm -f "$facts"' EXIT
status=0
wait $pid || status=$?
[ "$status" -eq 0 ] || { echo "the program ended with status $status"; exit 1; }
echo "window shown, worked by keyboard, closed with status 0; screenshot: $screenshot"
