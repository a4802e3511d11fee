#!/usr/bin/env bash
# Measures the README's text_to_double table again and rewrites it in place, between its
# markers, with the date, commit, machine and compiler of the run: builds the benchmark with
# the "bench" preset (installing what is missing), runs it with the repetitions randomly
# interleaved, and keeps the best of each. Run it on a quiet machine; other work running
# beside it makes every figure worse, and not all alike.
# Usage: scripts/bench-tables.sh [--repetitions N]   (default 15; fewer for a quick look)
set -euo pipefail
cd "$(dirname "$0")/.."
usage() { sed -n 's/^# //; /^Usage:/p' "$0" >&2; exit 2; }
repetitions=15
while [ $# -gt 0 ]; do
  case "$1" in
    --repetitions) [[ ${2:-} =~ ^[1-9][0-9]*$ ]] || usage; repetitions=$2; shift 2 ;;
    *) usage ;;
  esac
done

scripts/install-deps.sh bench test  # the preset builds the tests too, for bench/startup.sh
cmake --workflow --preset bench >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Only the table's three readers; each repetition of each runs in a random order, so that a
# slow spell of the machine falls on all of them alike.
build/bench/bench/text_to_double_bench --benchmark_filter='^BM_(TextViewToDouble|FromChars|Strtod)/' \
  --benchmark_repetitions="$repetitions" --benchmark_enable_random_interleaving=true \
  --benchmark_format=json >"$work/text_to_double.json"
bench/tables.py README.md "$work/text_to_double.json" build/bench
