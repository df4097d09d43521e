#!/usr/bin/env bash
# Whole-process time of exporting one sheet, `velmaro --export OUT FILE.zvd`, as PDF and as PNG:
# the median of several runs, each timed to the millisecond by the shell, start-up and all.
# The goals are under 0.04 s for a PDF and 0.2 s for a PNG; the exit status is 1 when a median
# misses one.
#
#   bench/export_time.sh [BUILD_FOLDER] [RUNS]      (defaults: build, 10)
set -euo pipefail

build=${1:-build}
runs=${2:-10}
program="$build/velmaro"
design="$build/data/名札サンプル.zvd"

for needed in "$program" "$design"; do
  if [ ! -e "$needed" ]; then
    echo "export_time: $needed is missing (build the velmaro target)" >&2
    exit 2
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Prints the median wall time in seconds of `runs` exports to a file of the given suffix.
median_export_time() {
  local suffix=$1 i
  for ((i = 0; i < runs; i++)); do
    { TIMEFORMAT=%3R; time "$program" --export "$work/sheet.$suffix" "$design" >/dev/null 2>&1; } 2>&1
  done | sort -n | awk '{ t[NR] = $1 } END { print (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }'
}

status=0
for suffix in pdf png; do
  goal=$([ "$suffix" = pdf ] && echo 0.04 || echo 0.2)
  median=$(median_export_time "$suffix")
  verdict=$(awk -v m="$median" -v g="$goal" 'BEGIN { print (m < g) ? "under" : "OVER" }')
  echo "velmaro --export $suffix: median ${median} s over $runs runs ($verdict the goal of $goal s)"
  [ "$verdict" = under ] || status=1
done
exit $status
