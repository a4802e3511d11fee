#!/usr/bin/env bash
# Runs the real program on an X server (start it under xvfb-run), works it by keyboard as a
# person would, saves a screenshot, checks the widest results on the screen, closes the
# window as a window manager does and checks that the program ends with status 0.
# Usage: smoke_test.sh PROGRAM CLOSE-HELPER SCREENSHOT.png
set -euo pipefail
program=$1 closer=$2 screenshot=$3
unset QT_QPA_PLATFORM  # a real window on the X server, not Qt's offscreen platform

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vorn EV calculator$' | head -n 1)
[ -n "$window" ] || { echo "the window never appeared"; exit 1; }
xdotool windowfocus --sync "$window"
sleep 0.5  # let the first paint finish

# The focus starts on the button; the fields follow it in the tab order.
for text in 10 30 5 9; do
  xdotool key --window "$window" Tab
  xdotool type --window "$window" --delay 20 "$text"
done
xdotool key --window "$window" Tab Tab Tab space  # past the two results back to the button
sleep 0.5

# The icon arrives just after the first paint; by now it must be there, in both sizes (Qt
# scales the smaller one by a fractional scale factor).
icons=$(xprop -id "$window" _NET_WM_ICON | grep -o -E 'Icon \([0-9]+ x [0-9]+\)' || true)
[ "$(wc -l <<<"$icons")" -eq 2 ] && grep -q 'Icon (48 x 48)' <<<"$icons" ||
  { echo "the window does not carry its 32 and 48 pixel icons"; exit 1; }

mkdir -p "$(dirname "$screenshot")"
import -window "$window" "$screenshot"
# The client area is 375 by 342 pixels, times the scale factor when one is set.
scale=${QT_SCALE_FACTOR:-1}
expected=$(awk -v s="$scale" 'BEGIN { printf "%dx%d", int(375 * s + 0.5), int(342 * s + 0.5) }')
size=$(identify -format '%wx%h' "$screenshot")
[ "$size" = "$expected" ] || { echo "client area is $size, not $expected"; exit 1; }

# The widest results of both forms, one in each field (22 characters each), read off the
# screen: each field's text starts at its left edge, the minus sign in view, and its ink
# stops short of the field's right edge.
for text in 0.0001 -1e-300 5 9; do
  xdotool key --window "$window" Tab ctrl+a
  xdotool type --window "$window" --delay 20 -- "$text"
done
xdotool key --window "$window" Tab Tab Tab space
sleep 0.5
longest=${screenshot%.png}-longest.png
import -window "$window" "$longest"
for top in 207 239; do  # the two result fields, 137 by 21 designed pixels at x 195
  geometry=$(awk -v s="$scale" -v t="$top" \
    'BEGIN { printf "%dx%d+%d+%d", int(129 * s), int(13 * s), int(199 * s), int((t + 4) * s) }')
  ink=$(convert "$longest" -crop "$geometry" +repage -fuzz 20% -trim -format '%w %X' info:)
  inkLeft=${ink#* +} inkWidth=${ink% *} room=${geometry%%x*}
  [ "$inkLeft" -le $((room / 40)) ] && [ $((inkLeft + inkWidth)) -lt "$room" ] ||
    { echo "the result at y $top is cut: ink from $inkLeft, $inkWidth wide, in $room"; exit 1; }
done

"$closer" "$window"
for _ in $(seq 100); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then echo "the program did not end after the close request"; exit 1; fi
trap - EXIT
status=0
wait $pid || status=$?
[ "$status" -eq 0 ] || { echo "the program ended with status $status"; exit 1; }
echo "window shown, worked by keyboard, closed with status 0; screenshot: $screenshot"
