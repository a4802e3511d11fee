#!/usr/bin/env bash
# Runs the real program on an X server (start it under xvfb-run), works it by keyboard as a
# person would, saves a screenshot, closes the window as a window manager does and checks
# that the program ends with status 0.
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

# The icon arrives just after the first paint; by now it must be there, in both sizes.
icons=$(xprop -id "$window" _NET_WM_ICON | grep -c -E 'Icon \((32 x 32|48 x 48)\)' || true)
[ "$icons" -eq 2 ] || { echo "the window does not carry its 32 and 48 pixel icons"; exit 1; }

mkdir -p "$(dirname "$screenshot")"
import -window "$window" "$screenshot"
# The client area is 375 by 342 pixels, times the scale factor when one is set.
scale=${QT_SCALE_FACTOR:-1}
expected=$(awk -v s="$scale" 'BEGIN { printf "%dx%d", int(375 * s + 0.5), int(342 * s + 0.5) }')
size=$(identify -format '%wx%h' "$screenshot")
[ "$size" = "$expected" ] || { echo "client area is $size, not $expected"; exit 1; }

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
