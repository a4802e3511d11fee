#!/usr/bin/env bash
# Every way of failing to reach a display ends with one sentence and status 1, never with
# the toolkit's abort; a display that answers is used even when its socket file is gone.
# Run under xvfb-run, which gives a live server with access control.
# Usage: display_failure_test.sh PROGRAM CLOSE-HELPER
set -uo pipefail
program=$1 closer=$2
live=$DISPLAY cookie=${XAUTHORITY:-}
failures=0

expect_one_sentence() {
  local what=$1; shift
  local err status
  err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XAUTHORITY "$@" \
        timeout 30 "$program" 2>&1 >/dev/null)
  status=$?
  local lines
  lines=$(printf '%s' "$err" | grep -c '')
  if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || [[ "$err" != "vorn-ev-calculator: "*. ]] ||
     grep -qi 'reinstall' <<<"$err"; then
    echo "FAIL $what: status $status, said:"
    printf '%s\n' "$err" | sed 's/^/    /'
    failures=$((failures + 1))
  else
    echo "ok   $what: $err"
  fi
}

expect_one_sentence "no display at all"
expect_one_sentence "a dead local display" DISPLAY=:947
expect_one_sentence "a dead remote display" DISPLAY=localhost:93
expect_one_sentence "a malformed display" DISPLAY=garbage
expect_one_sentence "refused authorisation" DISPLAY="$live" XAUTHORITY=/nonexistent
expect_one_sentence "a forced platform without a display" QT_QPA_PLATFORM=xcb
expect_one_sentence "a forced platform that is not there" QT_QPA_PLATFORM=wayland

# The server still answers on its abstract socket after the file is removed.
number=${live#*:}
number=${number%%.*}
rm -f "/tmp/.X11-unix/X$number"
env -u QT_QPA_PLATFORM DISPLAY="$live" XAUTHORITY="$cookie" "$program" 2>/dev/null &
pid=$!
window=$(DISPLAY=$live XAUTHORITY=$cookie timeout 30 \
         xdotool search --sync --onlyvisible --name '^Vorn EV calculator$' | head -n 1)
if [ -n "$window" ]; then
  DISPLAY=$live XAUTHORITY=$cookie "$closer" "$window"
  status=0
  timeout 10 tail --pid=$pid -f /dev/null
  wait $pid || status=$?
  if [ "$status" -eq 0 ]; then echo "ok   a display without its socket file"; else
    echo "FAIL a display without its socket file: status $status"; failures=$((failures + 1)); fi
else
  kill $pid 2>/dev/null
  echo "FAIL a display without its socket file: no window"
  failures=$((failures + 1))
fi

[ "$failures" -eq 0 ]
