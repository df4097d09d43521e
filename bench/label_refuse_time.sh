#!/usr/bin/env bash
# Whole-process time and peak memory of reading label-template files made to be costly: the
# largest file taken holding one attribute, one comment or a tag of many attributes; a billion
# laughs; nesting half a million deep; 100,000 layouts; 100,000 templates; the most sheets a file
# may give (20,000 equivalents of a template of 64 layouts, and 4 MiB of such templates); and a
# 1 GB file, a FIFO and /dev/zero, which are not read at all. Each must cost under 1 s and
# 100 MB; the exit status is 1 when one does not. Also times reading the whole installed database
# the same way.
#
#   bench/label_refuse_time.sh [BUILD_FOLDER]      (default: build)
set -euo pipefail

build=${1:-build}
reader="$build/bench/read_label_templates"
goal_s=1
goal_kb=102400
for needed in "$reader" /usr/bin/time; do
  if [ ! -e "$needed" ]; then
    echo "label_refuse_time: $needed is missing (build the read_label_templates target; install the time package)" >&2
    exit 2
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work" <<'PY'
import sys
work = sys.argv[1]
limit = 4 << 20  # the largest file the reader takes
root = '<Glabels-templates>%s</Glabels-templates>'
def write(name, text):
    data = text.encode()
    assert len(data) <= limit, name
    open(f'{work}/{name}', 'wb').write(data)
write('attribute', root % ('<Template brand="' + 'x' * (limit - 200) + '"/>'))
write('comment', root % ('<!--' + 'x' * (limit - 200) + '-->'))
write('attributes', root % ('<Meta ' + ' '.join('a%x=""' % i for i in range(limit // 12)) + '/>'))
laughs = '<!ENTITY l0 "lol">' + ''.join('<!ENTITY l%d "%s">' % (i, ('&l%d;' % (i - 1)) * 10) for i in range(1, 10))
write('laughs', '<!DOCTYPE Glabels-templates [%s]>' % laughs + root % '<Template brand="&l9;"/>')
write('nesting', root % ('<a>' * (limit // 8) + '</a>' * (limit // 8)))
write('layouts', root % ('<Template brand="B" part="x" size="A4"><Label-rectangle width="1" height="1">' +
                         '<Layout/>' * 100000 + '</Label-rectangle></Template>'))
write('templates', root % ('<Template brand="B" part="x" equiv="y"/>' * 100000))
full = '<Template brand="B" part="x" size="A4"><Label-rectangle width="1" height="1">' + '<Layout/>' * 64 + \
       '</Label-rectangle></Template>'
write('equivalents', root % (full + ''.join('<Template brand="B" part="%d" equiv="x"/>' % i for i in range(19999))))
write('full', root % (full * (limit // len(full) - 1)))
PY
truncate -s 1G "$work/big"
mkfifo "$work/fifo"

status=0
# Runs the reader on one file, prints its time, peak memory, verdict and what the reader said.
measure() {
  local what=$1
  shift
  /usr/bin/time -f '%e %M' -o "$work/time" timeout 10 "$reader" "$@" >"$work/out" 2>&1 || true
  read -r seconds kb < <(tail -n 1 "$work/time")
  verdict=$(awk -v s="$seconds" -v k="$kb" -v gs="$goal_s" -v gk="$goal_kb" 'BEGIN { print (s < gs && k < gk) ? "within" : "OVER" }')
  echo "$what: ${seconds} s, ${kb} KB ($verdict the goal of $goal_s s and $goal_kb KB) — $(sed 's/^[^:]*: //' "$work/out" | head -c 100)"
  [ "$verdict" = within ] || status=1
}

measure "4 MiB attribute" "$work/attribute"
measure "4 MiB comment" "$work/comment"
measure "tag of 350,000 attributes" "$work/attributes"
measure "billion laughs" "$work/laughs"
measure "nesting 500,000 deep" "$work/nesting"
measure "100,000 layouts" "$work/layouts"
measure "100,000 templates" "$work/templates"
measure "20,000 equivalents of 64 layouts" "$work/equivalents"
measure "4 MiB of templates of 64 layouts" "$work/full"
measure "1 GB file" "$work/big"
measure "FIFO" "$work/fifo"
measure "/dev/zero" /dev/zero
measure "the installed database" --database
exit $status
