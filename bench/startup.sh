#!/usr/bin/env bash
# Start-up time (process start to first paint) and peak resident memory of the calculator
# beside a minimal Qt Widgets window with the same widgets, alternating runs on one Xvfb
# server. Prints each run, the medians and the ratios.
# Usage: bench/startup.sh [RUNS]   (default 10 runs of each)
set -euo pipefail
cd "$(dirname "$0")/.."
[[ $# -le 1 && ${1:-10} =~ ^[1-9][0-9]*$ ]] || { sed -n 's/^# //; /^Usage:/p' "$0" >&2; exit 2; }
runs=${1:-10}

if [ -z "${VORN_STARTUP_INNER:-}" ]; then
  scripts/install-deps.sh bench test
  cmake --preset bench >/dev/null
  cmake --build build/bench --target vorn-ev-calculator minimal_window first_paint_probe \
    send_close_request >/dev/null
  VORN_STARTUP_INNER=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$runs"
fi

unset QT_QPA_PLATFORM
probe=$PWD/build/bench/bench/libfirst_paint_probe.so
closer=$PWD/build/bench/tests/qt/send_close_request
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One run: start the program, wait for its first paint, close it as a window manager does.
measure() {
  local program=$1 out=$work/run
  rm -f "$out"
  VORN_BENCH_OUT=$out VORN_BENCH_T0=$(date +%s%N) LD_PRELOAD=$probe "$program" &
  local pid=$!
  local window
  window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
  for _ in $(seq 300); do grep -q paint_us "$out" 2>/dev/null && break; sleep 0.01; done
  "$closer" "$window"
  wait "$pid"
  echo "$(awk '/paint_us/ { print $2 }' "$out") $(awk '/peak_kb/ { print $2 }' "$out")"
}

median() { sort -n | awk '{ v[NR] = $1 } END { printf "%d\n", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for program in calculator minimal; do : >"$work/$program"; done
for i in $(seq "$runs"); do
  measure build/bench/app/vorn-ev-calculator >>"$work/calculator"
  measure build/bench/bench/minimal_window >>"$work/minimal"
  echo "run $i: calculator $(tail -n 1 "$work/calculator"), minimal $(tail -n 1 "$work/minimal") (first paint in us, peak in KiB)"
done

for program in calculator minimal; do
  paint=$(cut -d' ' -f1 "$work/$program" | median)
  peak=$(cut -d' ' -f2 "$work/$program" | median)
  echo "$program: median first paint $((paint / 1000)) ms, median peak memory $((peak / 1024)) MiB"
  eval "${program}_paint=$paint ${program}_peak=$peak"
done
awk -v a="$calculator_paint" -v b="$minimal_paint" -v c="$calculator_peak" -v d="$minimal_peak" \
  'BEGIN { printf "ratio calculator/minimal: first paint %.2f, peak memory %.2f\n", a / b, c / d }'
