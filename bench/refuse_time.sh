#!/usr/bin/env bash
# Whole-process time and peak memory of refusing files that cannot be what they claim: a 1 GB
# design file, a FIFO and /dev/zero as the design (`velmaro --info`), and a 1 GB "format.tsd" in
# the data folder (`velmaro --catalog`). Large files are sparse, so they cost no disk. The goal is
# under 0.3 s and 64 MB per run (reading such a file whole took seconds and its size in memory);
# the exit status is 1 when a run misses it.
#
#   bench/refuse_time.sh [BUILD_FOLDER]      (default: build)
set -euo pipefail

build=${1:-build}
goal_s=0.3
goal_kb=65536
for needed in "$build/velmaro" "$build/印刷情報" /usr/bin/time; do
  if [ ! -e "$needed" ]; then
    echo "refuse_time: $needed is missing (build the velmaro target; install the time package)" >&2
    exit 2
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/velmaro" "$work/"
cp -r "$build/印刷情報" "$work/"
truncate -s 1G "$work/big.zvd"
mkfifo "$work/fifo.zvd"

status=0
# Runs one command, prints its time and peak memory and whether they meet the goal.
measure() {
  local what=$1
  shift
  /usr/bin/time -f '%e %M' -o "$work/time" "$@" >/dev/null 2>&1 || true
  read -r seconds kb < <(tail -n 1 "$work/time")
  verdict=$(awk -v s="$seconds" -v k="$kb" -v gs="$goal_s" -v gk="$goal_kb" 'BEGIN { print (s < gs && k < gk) ? "within" : "OVER" }')
  echo "$what: ${seconds} s, ${kb} KB ($verdict the goal of $goal_s s and $goal_kb KB)"
  [ "$verdict" = within ] || status=1
}

measure "1 GB design file" "$work/velmaro" --info "$work/big.zvd"
measure "FIFO as design file" timeout 10 "$work/velmaro" --info "$work/fifo.zvd"
measure "/dev/zero as design file" "$work/velmaro" --info /dev/zero
mkdir "$work/印刷情報/ZZZ"
truncate -s 1G "$work/印刷情報/ZZZ/format.tsd"
measure "catalog with a 1 GB format.tsd" "$work/velmaro" --catalog
exit $status
