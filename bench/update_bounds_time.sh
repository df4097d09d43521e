#!/usr/bin/env bash
# Whole-process time (elapsed and CPU) and peak memory of the update installer on archives made to
# cost without bound: gzip bombs (8 GiB and 64 GiB of zeros in 8 MB and 65 MB), a tar of 100,000
# tiny members, a path 5,000 folders deep and an update of 20,000 sheets. Each must be refused
# within 2 s of CPU and 200 MB and install nothing. Then the catalog (velmaro --catalog) is timed
# on the folder the refused 20,000-sheet update was offered to, and with the 1,000 sheets an update
# may bring at most. With the test helper update_check_once built and python3-pyftpdlib installed,
# the whole check is timed too against a server offering the 8 GiB bomb: with a key (refused before
# anything is unpacked) and with UPDATEUNSIGNED (refused by the installer at the bound). The exit
# status is 1 when a run misses its goal.
#
#   bench/update_bounds_time.sh [BUILD_FOLDER]      (default: build)
set -euo pipefail

build=${1:-build}
goal_s=2
goal_kb=204800
for needed in "$build/velmaro-install-update" "$build/velmaro" "$build/印刷情報" /usr/bin/time; do
  if [ ! -e "$needed" ]; then
    echo "update_bounds_time: $needed is missing (build the program; install the time package)" >&2
    exit 2
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source_sheet="$build/印刷情報/M102AA00"

/usr/bin/python3 - "$work" "$source_sheet" <<'PY'
import io, os, struct, sys, tarfile, zlib
work, sheet = sys.argv[1], sys.argv[2]

def bomb(path, mib):
    """One whole gzip member of `mib` MiB of zeros with a valid trailer, made of one compressed MiB
    repeated."""
    zeros = bytes(1 << 20)
    c = zlib.compressobj(9, zlib.DEFLATED, -15, 9)
    block = c.compress(zeros) + c.flush(zlib.Z_FULL_FLUSH)
    crc = 0
    for _ in range(mib):
        crc = zlib.crc32(zeros, crc)
    with open(path, "wb") as out:
        out.write(b"\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03")
        for _ in range(mib):
            out.write(block)
        out.write(b"\x03\x00" + struct.pack("<II", crc & 0xFFFFFFFF, (mib << 20) & 0xFFFFFFFF))

def add(archive, name, data=b"", folder=False):
    info = tarfile.TarInfo(name)
    if folder:
        info.type = tarfile.DIRTYPE
        archive.addfile(info)
    else:
        info.size = len(data)
        archive.addfile(info, io.BytesIO(data))

bomb(os.path.join(work, "bomb-8g.tar.gz"), 8192)
bomb(os.path.join(work, "bomb-64g.tar.gz"), 65536)
with tarfile.open(os.path.join(work, "members.tar.gz"), "w:gz") as archive:
    for i in range(100000):
        add(archive, f"印刷情報/M{i % 1000:03d}AB{i // 1000:02d}/format.tsd", b"x")
with tarfile.open(os.path.join(work, "deep.tar.gz"), "w:gz", format=tarfile.PAX_FORMAT) as archive:
    add(archive, "印刷情報/M100AB00" + "/d" * 5000 + "/", folder=True)
fmt = open(os.path.join(sheet, "format.tsd"), "rb").read()
def sheets(path, count):
    with tarfile.open(path, "w:gz") as archive:
        for i in range(count):
            code = f"S{i:05d}AB"
            add(archive, f"印刷情報/{code}/format.tsd", fmt.replace(b"M102AA00", code.encode(), 1))
sheets(os.path.join(work, "sheets-20000.tar.gz"), 20000)
sheets(os.path.join(work, "sheets-1000.tar.gz"), 1000)
PY

status=0
# Runs one command; prints its elapsed and CPU time and peak memory and whether they meet the goal.
measure() {
  local what=$1
  shift
  /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" >/dev/null 2>&1 || true
  read -r elapsed user system kb < <(tail -n 1 "$work/time")
  cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')
  verdict=$(awk -v c="$cpu" -v k="$kb" -v gs="$goal_s" -v gk="$goal_kb" 'BEGIN { print (c < gs && k < gk) ? "within" : "OVER" }')
  echo "$what: ${elapsed} s elapsed, ${cpu} s CPU, ${kb} KB ($verdict the goal of $goal_s s and $goal_kb KB)"
  [ "$verdict" = within ] || status=1
}

# The refused archives install nothing: the sheets folder stays empty.
refused() {
  local what=$1 archive=$2
  rm -rf "$work/user"
  measure "$what ($(du -h "$archive" | cut -f1) download)" "$build/velmaro-install-update" "$archive" "$work/user/印刷情報"
  if [ -n "$(ls -A "$work/user/印刷情報")" ]; then
    echo "  ...but it installed something" && status=1
  fi
}

refused "gzip bomb of 8 GiB" "$work/bomb-8g.tar.gz"
refused "gzip bomb of 64 GiB" "$work/bomb-64g.tar.gz"
refused "tar of 100,000 tiny members" "$work/members.tar.gz"
refused "a path 5,000 folders deep" "$work/deep.tar.gz"
refused "update of 20,000 sheets" "$work/sheets-20000.tar.gz"

# The catalog as the program reads it: the installed sheets and the user's, after the refused
# update and after one of the largest size an update may have.
program=$work/program
mkdir -p "$program"
cp "$build/velmaro" "$program/"
cp -r "$build/印刷情報" "$program/"
export XDG_DATA_HOME=$work/user-data XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state HOME=$work
mkdir -p "$XDG_DATA_HOME/velmaro"
"$build/velmaro-install-update" "$work/sheets-20000.tar.gz" "$XDG_DATA_HOME/velmaro/印刷情報" >/dev/null || true
measure "velmaro --catalog after the refused 20,000-sheet update" "$program/velmaro" --catalog
"$build/velmaro-install-update" "$work/sheets-1000.tar.gz" "$XDG_DATA_HOME/velmaro/印刷情報" >/dev/null
measure "velmaro --catalog after an update of 1,000 sheets" "$program/velmaro" --catalog

helper="$build/tests/update/update_check_once"
if [ -x "$helper" ] && /usr/bin/python3 -c 'import pyftpdlib' 2>/dev/null; then
  mkdir -p "$work/served/velmaro"
  cp "$work/bomb-8g.tar.gz" "$work/served/velmaro/VelmaroUpdate.tar.gz"
  date '+%Y%m%d%H%M%S' > "$work/served/velmaro/update_"
  /usr/bin/python3 -c '
import sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
authorizer = DummyAuthorizer()
authorizer.add_user("velmaro", "sticker2026", sys.argv[1], perm="elr")
FTPHandler.authorizer = authorizer
server = FTPServer(("127.0.0.1", 0), FTPHandler)
print(server.socket.getsockname()[1], flush=True)
server.serve_forever()' "$work/served" > "$work/port" 2>/dev/null &
  server=$!
  while [ ! -s "$work/port" ]; do sleep 0.1; done
  port=$(head -n 1 "$work/port")
  key=$(head -c 32 /dev/urandom | base64)
  rm -rf "$work/check"
  measure "update check with a key, served the 8 GiB bomb unsigned" "$helper" "$port" velmaro "$work/check" "$key" "$build/velmaro-install-update"
  rm -rf "$work/check"
  measure "update check with UPDATEUNSIGNED, served the 8 GiB bomb" "$helper" "$port" velmaro "$work/check" - "$build/velmaro-install-update"
  kill "$server"
fi
exit $status
