#!/usr/bin/env bash
# Measures the benchmark tables of FIGURES.md again and rewrites them in place, between
# their markers, with the date, commit, machine and compiler of the run: the number reading
# (text_to_double) and the click on the real form (click). Builds the benchmarks with the
# "bench" preset (installing what is missing), runs them with the repetitions randomly
# interleaved, and keeps the best of each. Run it on a quiet machine; other work running
# beside it makes every figure worse, and not all alike.
# Usage: scripts/bench-tables.sh [--repetitions N] [text_to_double|click]...
#        (default 15 repetitions, fewer for a quick look; both tables)
set -euo pipefail
cd "$(dirname "$0")/.."
usage() { sed -n '/^# Usage:/,/^# *(default/s/^# //p' "$0" >&2; exit 2; }
repetitions=15
tables=()
while [ $# -gt 0 ]; do
  case "$1" in
    --repetitions) [[ ${2:-} =~ ^[1-9][0-9]*$ ]] || usage; repetitions=$2; shift 2 ;;
    text_to_double|click) tables+=("$1"); shift ;;
    *) usage ;;
  esac
done
[ ${#tables[@]} -gt 0 ] || tables=(text_to_double click)

scripts/install-deps.sh bench test  # the preset builds the tests too, for bench/startup.sh
cmake --workflow --preset bench >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Each repetition of each benchmark runs in a random order, so that a slow spell of the
# machine falls on all of them alike.
interleaved=(--benchmark_repetitions="$repetitions" --benchmark_enable_random_interleaving=true
             --benchmark_format=json)
measured=()
for table in "${tables[@]}"; do
  case "$table" in
    # Only the table's three readers.
    text_to_double) build/bench/bench/text_to_double_bench \
                      --benchmark_filter='^BM_(TextViewToDouble|FromChars|Strtod)/' \
                      "${interleaved[@]}" >"$work/$table.json" ;;
    click) build/bench/bench/click_bench "${interleaved[@]}" >"$work/$table.json" ;;
  esac
  measured+=("$table=$work/$table.json")
done
bench/tables.py FIGURES.md build/bench "${measured[@]}"
