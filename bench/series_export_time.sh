#!/usr/bin/env bash
# Whole-process time and peak memory of exporting a long numbered series onto the bundled samples
# of 8 and 24 stickers a sheet, `velmaro --export OUT.pdf SAMPLE.zvd --series No.,1,1,COUNT,6`,
# against the floor: bench/raw_pdf_floor writing the same pages (the same paper, one frame and one
# line of text at each sticker of the sample, compressed) in the same run. Each figure is the
# median of several runs timed by /usr/bin/time (Debian package "time"); the ratio is of the
# medians of wall time. Goals: within 3 times the floor and under 80 MB for both samples; the exit
# status is 1 when one is missed.
#
#   bench/series_export_time.sh [BUILD_FOLDER] [RUNS] [COUNT]      (defaults: build, 3, 100000)
set -euo pipefail

build=${1:-build}
runs=${2:-3}
count=${3:-100000}
program="$build/velmaro"
floor="$build/bench/raw_pdf_floor"
samples=("名札サンプル.zvd" "たて書きサンプル.zvd")

for needed in "$program" "$floor" /usr/bin/time /usr/bin/pdfinfo /usr/bin/python3; do
  if [ ! -e "$needed" ]; then
    echo "series_export_time: $needed is missing (build velmaro and raw_pdf_floor; install time, poppler-utils, python3)" >&2
    exit 2
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One run of the command after `--`: "WALL USER SYSTEM KILOBYTES".
run_once() {
  /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" >/dev/null 2>"$work/stderr" ||
    { cat "$work/stderr" >&2; exit 2; }
  cat "$work/time"
}

# The median of each column over `runs` runs of the command.
medians() {
  local i
  for ((i = 0; i < runs; i++)); do run_once "$@"; done >"$work/runs"
  local column
  for column in 1 2 3 4; do
    awk -v c="$column" '{ print $c }' "$work/runs" | sort -n |
      awk '{ v[NR] = $1 } END { printf "%s ", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
  done
}

# The stickers of a design as the floor reads them, from `velmaro --info`.
sticker_boxes() {
  "$program" --info "$1" | python3 -c '
import json, sys
for piece in json.load(sys.stdin)["record"]["pieces"]:
    print(*piece["rcPiece"])'
}

status=0
printf '%-24s %9s %9s %9s %8s %9s %8s\n' "sample ($count entries)" "program" "wall s" "cpu s" "MB" "pages" "ratio"
for sample in "${samples[@]}"; do
  design="$build/data/$sample"
  series="No.,1,1,$count,6"
  sticker_boxes "$design" >"$work/boxes"
  read -r v_wall v_user v_sys v_kb <<<"$(medians "$program" --export "$work/velmaro.pdf" "$design" --series "$series")"
  pages=$(pdfinfo "$work/velmaro.pdf" | awk '/^Pages:/ { print $2 }')
  read -r width height <<<"$(pdfinfo "$work/velmaro.pdf" | awk '/^Page size:/ { printf "%.3f %.3f", $3 * 25.4 / 72, $5 * 25.4 / 72 }')"
  read -r f_wall f_user f_sys f_kb <<<"$(medians "$floor" "$work/floor.pdf" "$width" "$height" "$work/boxes" No. 1 1 "$count" 6)"
  floor_pages=$(pdfinfo "$work/floor.pdf" | awk '/^Pages:/ { print $2 }')
  ratio=$(awk -v a="$v_wall" -v b="$f_wall" 'BEGIN { printf "%.1f", (b > 0) ? a / b : 0 }')
  awk -v w="$v_wall" -v u="$v_user" -v s="$v_sys" -v k="$v_kb" -v n="$sample" -v p="$pages" -v r="$ratio" \
    'BEGIN { printf "%-24s %9s %9.2f %9.2f %8.1f %9s %7sx\n", n, "velmaro", w, u + s, k / 1024, p, r }'
  awk -v w="$f_wall" -v u="$f_user" -v s="$f_sys" -v k="$f_kb" -v p="$floor_pages" \
    'BEGIN { printf "%-24s %9s %9.2f %9.2f %8.1f %9s\n", "", "floor", w, u + s, k / 1024, p }'
  awk -v r="$ratio" 'BEGIN { exit !(r <= 3) }' || { echo "  time OVER the goal of 3 times the floor"; status=1; }
  awk -v k="$v_kb" 'BEGIN { exit !(k < 80 * 1024) }' || { echo "  memory OVER the goal of 80 MB"; status=1; }
done
exit $status
