#!/usr/bin/env bash
# Every field, input or result, is read whole by Orca, Debian's screen reader, with its
# caption. Runs the real program under Orca on an X server and a session bus of its own
# (start it under xvfb-run and dbus-run-session), types the worked example, presses the
# button and Tabs once round the window, then reads what Orca spoke at each field from the
# SPEECH OUTPUT lines of its debug log. Orca runs with speech off, so it needs no
# synthesiser or sound card, and still logs every utterance.
# Usage: orca_test.sh PROGRAM FORM-DESCRIPTION-TOOL WORKED-EXAMPLE.txt
set -euo pipefail
program=$1 example=$3
work=$(mktemp -d)
"$2" >"$work/form.json"
. "$(dirname "$0")/../shared/form_facts.sh"
load_form "$work/form.json"
log=$work/orca.log
program_pid='' bus_pid=''
# Orca will not start while another of the user's runs, so this one is let end first.
finish() {
  local orca
  kill $program_pid 2>/dev/null || true
  orca=$(cat "$work/orca.pid" 2>/dev/null) && kill "$orca" 2>/dev/null &&
    { timeout 10 tail --pid="$orca" -f /dev/null || kill -9 "$orca"; }
  kill $bus_pid 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

# Orca keeps its settings under HOME; Qt speaks to the accessibility bus when told to.
export HOME=$work XDG_RUNTIME_DIR=$work QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
unset QT_QPA_PLATFORM  # a real window on the X server, not Qt's offscreen platform

# Waits until the log, after its first $2 lines, has a line matching $1.
wait_for() {
  local _
  for _ in $(seq 300); do
    grep -q -E -- "$1" < <(tail -n +$(($2 + 1)) "$log") && return
    kill -0 "$terminal" 2>/dev/null || break  # Orca has ended
    sleep 0.2
  done
  echo "Orca never logged /$1/; its last lines:"
  tail -n 20 "$log"
  exit 1
}
lines() { wc -l <"$log"; }
literally() { sed 's/[][\.*^$(){}?+|]/\\&/g' <<<"$1"; }  # as an extended regular expression
# Orca logs each move of the focus to an accessible (by role and name), what it says of it,
# and then where it has put its review.
presented() { echo "Region of interest: \\[[^]|]* \\| $(literally "$1")\\]"; }
accessible_name() {  # a button is named by its caption, a field by its label's
  local named=$1
  [ "$(form_query "next(c['class'] for c in form['controls'] if c['name'] == '$1')")" = Button ] ||
    named=$(form_query "next(c['name'] for c in form['controls'] if c.get('focusControl') == '$1')")
  form_query "next(c['caption'] for c in form['controls'] if c['name'] == '$named')"
}

command -v orca >/dev/null || { echo "no orca (scripts/install-deps.sh test installs it)"; exit 1; }
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus_pid=$!
# Orca writes its log through a buffer, which flushes each line only to a terminal: so it
# runs on one, which script(1) records.
script -q -f -e -c "echo \$\$ >$work/orca.pid; exec orca --disable speech --disable braille \
  --debug-file=/dev/tty" "$log" </dev/null >/dev/null 2>&1 &
terminal=$!
wait_for 'ORCA: Starting registry' 0
"$program" &
program_pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vorn EV calculator$' | head -n 1)
[ -n "$window" ] || { echo "the window never appeared"; exit 1; }
xdotool windowfocus --sync "$window"
wait_for "$(presented "$(accessible_name "${stops[0]}")")" 0

# Tabs to a stop and waits until Orca has presented it: were it left behind, Orca would
# skip the stops it had missed.
tab_key=(xdotool key --window "$window")
move_to() {
  local mark
  mark=$(lines)
  tab_to "$1"
  wait_for "$(presented "$(accessible_name "$1")")" "$mark"
}
while read -r kind name value; do
  [ "$kind" = input ] || continue
  move_to "$name"
  xdotool type --window "$window" --delay 20 -- "$value"
done <"$example"
move_to "${stops[0]}"
xdotool key --window "$window" space

start=$(lines)
for stop in "${stops[@]:1}" "${stops[0]}"; do move_to "$stop"; done

# What Orca said from the focus reaching an accessible until it had presented it.
spoken_at() {
  tail -n +$((start + 1)) "$log" | awk -v name="$1" '
    /Changing locusOfFocus from/ && index($0, "| " name "]. Notify") { here = 1 }
    here && /SPEECH OUTPUT: / { sub(/.*SPEECH OUTPUT: /, ""); sub(/ ?\{.*/, ""); printf "%s ", $0 }
    /Region of interest: / && index($0, "| " name "] (") { here = 0 }'
}
failures=0
while read -r kind name value; do
  [ "$kind" = input ] || [ "$kind" = result ] || continue
  caption=$(accessible_name "$name")
  said=$(spoken_at "$caption")
  whole="(^|[ '])$(literally "$value")[ .']"
  if grep -q -F -- "$caption" <<<"$said" && grep -q -E -- "$whole" <<<"$said"; then
    echo "ok   $name ($value): Orca said $said"
  else
    echo "FAIL $name: not read as '$caption' and '$value'; Orca said: $said"
    failures=$((failures + 1))
  fi
done <"$example"
exit $((failures > 0))
