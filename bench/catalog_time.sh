#!/usr/bin/env bash
# Whole-process time of `velmaro --catalog` with the whole label-template database installed
# (glabels-data): the median of several runs, each timed by /usr/bin/time, with the peak memory.
# The goal is under 0.15 s; the exit status is 1 when the median misses it, 2 when the database
# is not installed.
#
#   bench/catalog_time.sh [BUILD_FOLDER] [RUNS]      (defaults: build, 10)
set -euo pipefail

build=${1:-build}
runs=${2:-10}
goal=0.15
program="$build/velmaro"

for needed in "$program" /usr/bin/time /usr/share/libglabels-3.0/templates/paper-sizes.xml; do
  if [ ! -e "$needed" ]; then
    echo "catalog_time: $needed is missing (build the velmaro target; install time and glabels-data)" >&2
    exit 2
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The database as installed, nothing of the user's.
export XDG_DATA_DIRS=/usr/share XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"

lines=$("$program" --catalog | wc -l)
for ((i = 0; i < runs; i++)); do
  /usr/bin/time -f "%e %M" -o "$work/time" "$program" --catalog >/dev/null
  cat "$work/time"
done | sort -n >"$work/times"
median=$(awk '{ t[NR] = $1 } END { print (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }' "$work/times")
peak=$(awk '{ if ($2 > m) m = $2 } END { print m }' "$work/times")
verdict=$(awk -v m="$median" -v g="$goal" 'BEGIN { print (m < g) ? "under" : "OVER" }')
echo "velmaro --catalog ($lines sheets): median ${median} s over $runs runs, peak ${peak} KB ($verdict the goal of $goal s)"
[ "$verdict" = under ]
