#!/usr/bin/env bash
# Runs both libFuzzer targets for a bounded time each, built with clang under
# AddressSanitizer and UBSan (the "fuzz" presets), from the committed seed inputs (installing
# what is missing).
# A finding fails the run and prints its reproducer (hex and base64) and the fuzzer's report.
# Usage: scripts/fuzz.sh [SECONDS-EACH]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
[[ $# -le 1 && ${1:-60} =~ ^[1-9][0-9]*$ ]] || { sed -n 's/^# //; /^Usage:/p' "$0" >&2; exit 2; }
seconds=${1:-60}

scripts/install-deps.sh fuzz
cmake --workflow --preset fuzz  # clang, the sanitizers and the fuzzers, in build/fuzz
build=build/fuzz

for target in text_to_double calculation; do
  work=$(mktemp -d)
  # The committed seeds stay as they are; what the fuzzer learns goes to a scratch copy.
  mkdir "$work/corpus"
  cp fuzz/corpus/$target/* "$work/corpus/"
  if "$build/fuzz/${target}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix="$work/" "$work/corpus" >"$work/log" 2>&1; then
    echo "ok   ${target}_fuzzer: $(grep -E '^stat::number_of_executed_units' "$work/log" |
                                   awk '{print $2}') inputs in ${seconds} s, no finding"
    rm -rf "$work"
    continue
  fi
  tail -n 60 "$work/log"
  for reproducer in "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*; do
    [ -e "$reproducer" ] || continue
    echo "reproducer $(basename "$reproducer") (hex, then base64):"
    od -A x -t x1z -v "$reproducer"
    base64 "$reproducer"
  done
  echo "FAIL: ${target}_fuzzer found a fault; run it on the reproducer above to see it again"
  exit 1
done
