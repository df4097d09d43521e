#!/usr/bin/env bash
# Whole-process time and peak memory of a fill from a list: 800 entries on the bundled 40-sticker
# sheet exported as a PDF of 20 pages, `velmaro --export OUT.pdf FILE.zvd --fill names.txt`, timed
# by /usr/bin/time -v (Debian package "time"); the median of several runs. Then the memory each
# further sheet adds: the peak of 8000 entries (200 sheets) against that of 800, per extra sheet.
# Goals: under 0.325 s (a quarter of gLabels' 1.3 s for the same kind of merge), under gLabels'
# 43 MB, and under 1 MB per extra sheet; the exit status is 1 when one is missed.
#
#   bench/fill_export_time.sh [BUILD_FOLDER] [RUNS]      (defaults: build, 5)
set -euo pipefail

build=${1:-build}
runs=${2:-5}
program="$build/velmaro"
maker="$build/bench/bench_fill"

for needed in "$program" "$maker" /usr/bin/time; do
  if [ ! -e "$needed" ]; then
    echo "fill_export_time: $needed is missing (build velmaro and bench_fill; install the time package)" >&2
    exit 2
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$maker" --write-design "$work/forty.zvd"

names() {
  local i
  for ((i = 1; i <= $1; i++)); do printf '山田 太郎 %04d\n' "$i"; done
}
names 800 >"$work/800.txt"
names 8000 >"$work/8000.txt"

# One run: "SECONDS KILOBYTES" of wall time and peak resident memory.
run_once() {
  /usr/bin/time -v -o "$work/time" "$program" --export "$work/out.pdf" "$work/forty.zvd" --fill "$1" \
    >/dev/null 2>"$work/stderr" || { cat "$work/stderr" >&2; exit 2; }
  awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, p, ":"); s = p[n] + (n > 1 ? p[n - 1] * 60 : 0) }
              /Maximum resident set size/ { k = $2 }
              END { print s, k }' "$work/time"
}

median_of() {  # column 1 or 2 of `runs` runs on list $1
  local i
  for ((i = 0; i < runs; i++)); do run_once "$1"; done | awk -v c="$2" '{ print $c }' | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

pages=$( (run_once "$work/800.txt" >/dev/null; pdfinfo "$work/out.pdf" 2>/dev/null || true) | awk '/^Pages:/ { print $2 }')
seconds=$(median_of "$work/800.txt" 1)
kilobytes=$(median_of "$work/800.txt" 2)
big=$(median_of "$work/8000.txt" 2)
per_sheet=$(awk -v a="$kilobytes" -v b="$big" 'BEGIN { printf "%.1f", (b - a) / 180 }')

status=0
echo "800 entries, 40-sticker sheet, ${pages:-?} PDF pages: median ${seconds} s, peak ${kilobytes} kB over $runs runs"
echo "8000 entries (200 sheets): peak ${big} kB; ${per_sheet} kB per extra sheet"
awk -v s="$seconds" 'BEGIN { exit !(s < 0.325) }' || { echo "time OVER the goal of 0.325 s"; status=1; }
awk -v k="$kilobytes" 'BEGIN { exit !(k < 43 * 1024) }' || { echo "memory OVER the goal of 43 MB"; status=1; }
awk -v p="$per_sheet" 'BEGIN { exit !(p < 1024) }' || { echo "growth OVER the goal of 1 MB a sheet"; status=1; }
exit $status
