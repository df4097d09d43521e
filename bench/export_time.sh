#!/usr/bin/env bash
# Whole-process time of exporting one sheet, `velmaro --export OUT FILE.zvd`, as PDF and as PNG:
# the median of several runs, each timed by /usr/bin/time (Debian package "time"), start-up and all.
# The goal is under 0.2 s per run; the exit status is 1 when a median misses it.
#
#   bench/export_time.sh [BUILD_FOLDER] [RUNS]      (defaults: build, 10)
set -euo pipefail

build=${1:-build}
runs=${2:-10}
goal=0.2
program="$build/velmaro"
design="$build/data/名札サンプル.zvd"

for needed in "$program" "$design" /usr/bin/time; do
  if [ ! -e "$needed" ]; then
    echo "export_time: $needed is missing (build the velmaro target; install the time package)" >&2
    exit 2
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Prints the median wall time in seconds of `runs` exports to a file of the given suffix.
median_export_time() {
  local suffix=$1 i
  for ((i = 0; i < runs; i++)); do
    /usr/bin/time -f %e -o "$work/time" "$program" --export "$work/sheet.$suffix" "$design" >/dev/null 2>&1
    cat "$work/time"
  done | sort -n | awk '{ t[NR] = $1 } END { print (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }'
}

status=0
for suffix in pdf png; do
  median=$(median_export_time "$suffix")
  verdict=$(awk -v m="$median" -v g="$goal" 'BEGIN { print (m < g) ? "under" : "OVER" }')
  echo "velmaro --export $suffix: median ${median} s over $runs runs ($verdict the goal of $goal s)"
  [ "$verdict" = under ] || status=1
done
exit $status
