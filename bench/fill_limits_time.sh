#!/usr/bin/env bash
# Whole-process time and peak memory of the fills an export refuses: 1 GB on standard input
# (`--fill -` has a named list's 256 MiB limit), 10 million entries (more than the 9,999 sheets a
# design holds, refused before anything is drawn) and 256 MiB of empty lines (the list is read no
# further than the most entries those sheets take). Each must end with exit status 2 within 3 s of
# processor time (user and system: the wall time on a busy machine is shown beside it) and 400 MB
# (the 256 MiB read is the most it may hold); the exit status is 1 when one misses it.
#
#   bench/fill_limits_time.sh [BUILD_FOLDER]      (default: build)
set -euo pipefail

build=${1:-build}
goal_s=3
goal_kb=409600
program="$build/velmaro"
maker="$build/bench/bench_fill"
for needed in "$program" "$maker" /usr/bin/time; do
  if [ ! -e "$needed" ]; then
    echo "fill_limits_time: $needed is missing (build velmaro and bench_fill; install the time package)" >&2
    exit 2
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$maker" --write-design "$work/forty.zvd"
seq 1 10000000 >"$work/ten-million.txt"
head -c 268435456 /dev/zero | tr '\0' '\n' >"$work/empty-lines.txt"

status=0
# One refused export reading standard input from $1: its time, peak memory and exit status.
measure() {
  local what=$1 input=$2
  local code=0
  /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$program" --export "$work/out.pdf" "$work/forty.zvd" --fill - \
    <"$input" >/dev/null 2>"$work/stderr" || code=$?
  read -r wall user system kb < <(tail -n 1 "$work/time")
  seconds=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')
  verdict=$(awk -v s="$seconds" -v k="$kb" -v gs="$goal_s" -v gk="$goal_kb" -v c="$code" \
    'BEGIN { print (s < gs && k < gk && c == 2) ? "within" : "OVER" }')
  echo "$what: exit $code, ${seconds} s processor (${wall} s wall), ${kb} KB ($verdict the goal of exit 2, $goal_s s and $goal_kb KB): $(head -c 200 "$work/stderr")"
  [ "$verdict" = within ] || status=1
  [ ! -e "$work/out.pdf" ] || { echo "$what: a PDF was written" >&2; status=1; }
}

measure "1 GB on standard input" <(head -c 1073741824 /dev/zero)
measure "10 million entries" "$work/ten-million.txt"
measure "256 MiB of empty lines" "$work/empty-lines.txt"
exit $status
