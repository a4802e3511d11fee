#!/usr/bin/env bash
# The Windows program under Wine, worked by keyboard as a person would: the worked example
# typed and the button pressed with Space, the results read back through the clipboard, a
# fault reported exactly once in the system's message box and dismissed with Enter, the
# window closed with Alt+F4 and exit code 0. Then at each resolution Windows offers up to
# 225 % (96 to 216 dots per inch): the window's facts from Win32 (place, client size, tab
# stops, accessible names), and the longest results, typed along the tab order, read off
# the screen's pixels after each field was entered, scrolled to its end and left, with a
# screenshot of each. What the window does in the program's own process (the results
# kept after a fault, every result's shape whole) is tests/behaviours/window.txt's and
# form1_win32_test.cpp's. Needs DISPLAY (a bare X server) and WINEPREFIX (see
# test-windows.sh).
# The window's facts and its tab order come from the form description as
# tests/web/form_description_json prints it (FORM.json); the worked example from
# tests/behaviours/worked_example.txt.
# Usage: window_test.sh PROGRAM.exe WINDOW-PROBE.exe FORM.json SCREENSHOT-DIR
#          WORKED-EXAMPLE.txt
set -euo pipefail
program=$1 probe=$2 form=$3 shots=$4 example=$5
mkdir -p "$shots"
here=$(dirname "$0")
. "$here/../shared/form_facts.sh"
load_form "$form"
expected=$(/usr/bin/python3 "$here/expected_window.py" "$form")
mapfile -t inputs < <(awk '$1 == "input" { print $2 }' "$example")
worked() { awk -v kind="$1" -v name="$2" '$1 == kind && $2 == name { print $3 }' "$example"; }
call_ev=$(worked result CallEvEdit) fold_ev=$(worked result FoldEvEdit)

status_file=$(mktemp)
work=$(mktemp -d)
trap 'rm -rf "$status_file" "$work"; wineserver -k 2>/dev/null || true' EXIT

start() {
  at=${stops[0]}
  (timeout 120 wine "$program" >/dev/null 2>&1; echo $? >"$status_file") &
  window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Vorn EV calculator$' | head -n 1)
  [ -n "$window" ] || { echo "FAIL: the window never appeared"; exit 1; }
  xdotool windowfocus --sync "$window"
  sleep 0.5
}

# Closes the window as a user does and checks the exit code (Wine gives it modulo 256).
close_and_expect_zero() {
  xdotool key alt+F4
  for _ in $(seq 100); do [ -s "$status_file" ] && break; sleep 0.1; done
  local status
  status=$(cat "$status_file")
  [ "$status" = 0 ] || { echo "FAIL: exit code '$status' after closing"; exit 1; }
  : >"$status_file"
}

windows_named() { xdotool search --onlyvisible --name '^Vorn EV calculator$' 2>/dev/null | wc -l; }

# A result field's text as a user copies it: Tab into the field selects it all.
copied() {
  printf '' | xclip -selection clipboard
  xdotool key ctrl+c
  sleep 0.3
  timeout 5 xclip -o -selection clipboard 2>/dev/null || true
}

expect_results() {
  local call fold
  tab_to CallEvEdit
  call=$(copied)
  tab_to FoldEvEdit
  fold=$(copied)
  tab_to "${stops[0]}"
  [ "$call" = "$1" ] && [ "$fold" = "$2" ] ||
    { echo "FAIL ($3): results '$call' and '$fold', not '$1' and '$2'"; exit 1; }
  echo "ok   $3: $call, $fold"
}

# Types each input's text into its field, and presses the button with Space.
calculate() {
  local i
  for i in "${!inputs[@]}"; do
    tab_to "${inputs[$i]}"
    xdotool type --delay 20 -- "$(worked input "${inputs[$i]}")"
  done
  tab_to Button1
  xdotool key space
  sleep 0.5
}

start
calculate
expect_results "$call_ev" "$fold_ev" "worked example"
import -window "$window" "$shots/window-96dpi.png"

# 52 known cards leave no card to draw: one report, and the results stay as they were.
tab_to KnownCardsEdit
xdotool type -- 52
tab_to Button1
xdotool key space
sleep 1
[ "$(windows_named)" -eq 2 ] || { echo "FAIL: expected one fault report"; exit 1; }
xdotool key Return
sleep 0.5
[ "$(windows_named)" -eq 1 ] || { echo "FAIL: the report did not close with Enter"; exit 1; }
close_and_expect_zero
echo "ok   closed with exit code 0"

# Each result field's text on the screen: the longest results, inside the field's
# formatting rectangle, starting at its left edge (the minus sign), leaving its last column
# blank, on the field's white.
check_results_on_screen() {
  local dpi=$1 shot=$2 line text first x y w h ink shown=
  while read -r line; do
    text=${line%\" first*}; text=${text#\"}
    shown+="$text "
    read -r first x y w h < <(sed 's/.*first \([0-9-]*\) rect \([0-9]*\),\([0-9]*\) \([0-9]*\)x\([0-9]*\)/\1 \2 \3 \4 \5/' <<<"$line")
    [ "$first" = 0 ] || { echo "FAIL at $dpi dpi: $text is shown from character $first"; exit 1; }
    convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage "$work/field.png"
    [ "$(convert "$work/field.png" -format '%[hex:p{0,0}]' info:)" = FFFFFF ] ||
      { echo "FAIL at $dpi dpi: the field of $text is not white"; exit 1; }
    # The ink's bounding box: width, height, left and top within the rectangle.
    ink=$(convert "$work/field.png" -fuzz 20% -trim -format '%w %X' info:)
    local inkWidth=${ink% *} inkLeft=${ink#* }
    inkLeft=${inkLeft#+}
    [ "$inkLeft" -le $((dpi / 48)) ] && [ $((inkLeft + inkWidth)) -lt "$w" ] ||
      { echo "FAIL at $dpi dpi: $text is cut (ink from $inkLeft, $inkWidth wide, in $w)"; exit 1; }
  done < <(wine "$probe" results | tr -d '\r')
  [ "$shown" = "$longest " ] || { echo "FAIL at $dpi dpi: the results are $shown, not $longest"; exit 1; }
}
longest="-1.91489361702128E-301 -0.0000808510638297872"

set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -w
}
for dpi in 96 120 144 168 192 216; do
  set_dpi "$dpi"
  start
  facts=$(wine "$probe" | tr -d '\r' | { read -r frame; echo "$frame"; LC_ALL=C sort; })
  want=$(awk -v d="$dpi" -v w="$client_width" -v h="$client_height" 'NR == 1 {
           printf "frame 0,0 client %dx%d dpi %d\n", int(w * d / 96 + 0.5), int(h * d / 96 + 0.5), d
           next } { print }' <<<"$expected")
  if [ "$facts" != "$want" ]; then
    echo "FAIL at $dpi dpi:"
    diff <(echo "$want") <(echo "$facts") || true
    exit 1
  fi
  import -window "$window" "$shots/window-${dpi}dpi-empty.png"
  # The widest results of both forms, one in each field: 22 characters each.
  texts=(0.0001 -1e-300 5 9)
  for i in "${!texts[@]}"; do
    tab_to "${inputs[$i]}"
    xdotool type --delay 20 -- "${texts[$i]}"
  done
  tab_to Button1
  xdotool key space
  sleep 0.5
  # Each field entered, moved to its end and left again.
  tab_to CallEvEdit
  xdotool key End
  tab_to FoldEvEdit
  xdotool key End
  tab_to Button1
  sleep 0.3
  import -screen -window root "$work/screen.png"
  check_results_on_screen "$dpi" "$work/screen.png"
  import -window "$window" "$shots/window-${dpi}dpi-longest.png"
  close_and_expect_zero
  echo "ok   $dpi dpi: designed place, client area, tab stops, accessible names, results whole"
done
set_dpi 96
echo "the Windows program passed; screenshots in $shots"
