#!/usr/bin/env python3
"""Two instances of the program of one user check for an update at the same moment.

update_race_test.py UPDATE_CHECK_ONCE INSTALLER SOURCE_DIR [--trials N]

A loopback FTP server gives instance A a validly signed update (sheet M102AB00) and instance B an
unsigned one (sheet EVILUNSG) under the same names; both work in the same data folder with the same
key. Trials rotate through three set-ups, the start of the second process swept over the first
one's run:
  unsigned-second  A, then B served the unsigned update;
  honest-pair      A and B both served the signed update;
  clobber          A, while another process keeps writing the unsigned archive over every name an
                   earlier version of the program downloaded to, and over every file it finds in
                   the update folder but the kept marker and serial (what a second instance
                   without the lock would do).
Every trial must end with the unsigned sheet absent; with the signed sheet installed by exactly one
instance or by none (a check skipped or refused is tried again at the next start); with the marker
and serial kept exactly when the signed sheet went in; and with nothing else left in the update
folder. Prints the tally and exits 0 only when every trial held; 77 when pyftpdlib or openssl is
missing.
"""
import argparse
import base64
import itertools
import os
import shutil
import signal
import subprocess
import sys
import tarfile
import tempfile
import threading
import time
from pathlib import Path

SKIPPED = 77
PYTHON = "/usr/bin/python3"
GOOD, EVIL = "M102AB00", "EVILUNSG"
UPDATE = "VelmaroUpdate.tar.gz"
SIGNED_MARKER = b"2026-12-11 signed\r\n"
UNSIGNED_MARKER = b"2026-12-11 unsigned\r\n"
OLD_NAMES = [UPDATE, UPDATE + ".part", UPDATE + ".sig", "update_", "update_.sig"]

SERVER = r"""
import logging, sys
logging.basicConfig(level=logging.ERROR)
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
authorizer = DummyAuthorizer()
authorizer.add_user("signed", "sticker2026", sys.argv[1], perm="elr")
authorizer.add_user("unsigned", "sticker2026", sys.argv[2], perm="elr")
FTPHandler.authorizer = authorizer
server = FTPServer(("127.0.0.1", 0), FTPHandler)
server.max_cons = 64
print(server.socket.getsockname()[1], flush=True)
server.serve_forever()
"""


def sheet_archive(source, work, code, path):
    pack = work / ("pack-" + code) / "印刷情報"
    shutil.copytree(source / "data" / "印刷情報" / "M102AA00", pack / code)
    fmt = pack / code / "format.tsd"
    fmt.write_bytes(fmt.read_bytes().replace(b"M102AA00", code.encode(), 1))
    with tarfile.open(path, "w:gz") as archive:
        archive.add(pack, arcname="印刷情報")


def make_key(work):
    private = work / "key.pem"
    subprocess.run(["openssl", "genpkey", "-algorithm", "ed25519", "-out", str(private)], check=True,
                   capture_output=True)
    der = subprocess.run(["openssl", "pkey", "-in", str(private), "-pubout", "-outform", "DER"], check=True,
                         capture_output=True).stdout
    return private, base64.b64encode(der[-32:]).decode()


def serve(source, work, private):
    signed, unsigned = work / "signed", work / "unsigned"
    for home, marker, code in ((signed, SIGNED_MARKER, GOOD), (unsigned, UNSIGNED_MARKER, EVIL)):
        (home / "velmaro").mkdir(parents=True)
        (home / "velmaro" / "update_").write_bytes(marker)
        sheet_archive(source, work, code, home / "velmaro" / UPDATE)
    subprocess.run([PYTHON, str(source / "tools" / "sign_update"), str(private), "1", str(signed / "velmaro"),
                    UPDATE], check=True)
    return signed, unsigned


class Clobberer(threading.Thread):
    """Writes the unsigned archive over every download name and every file it finds in `folder`."""

    def __init__(self, folder, evil):
        super().__init__(daemon=True)
        self.folder, self.evil, self.stop = folder, evil, threading.Event()

    def run(self):
        while not self.stop.is_set():
            names = set(OLD_NAMES)
            try:
                names |= {p.name for p in self.folder.iterdir()
                          if not p.name.startswith(("update_.dt", "update_.serial"))}
            except OSError:
                pass
            for name in names:
                try:
                    (self.folder / name).write_bytes(self.evil)
                except OSError:
                    pass


def check_once(args, port, user, data, key):
    return subprocess.Popen([args.helper, port, user, str(data), key, args.installer],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def trial(args, port, key, evil, kind, offset, data):
    data.mkdir()
    clobberer = None
    first = check_once(args, port, "signed", data, key)
    if kind == "clobber":
        (data / "update").mkdir(mode=0o700, exist_ok=True)
        time.sleep(offset)
        clobberer = Clobberer(data / "update", evil)
        clobberer.start()
        second = None
    else:
        time.sleep(offset)
        second = check_once(args, port, "signed" if kind == "honest-pair" else "unsigned", data, key)
    installs = [first.wait(timeout=60) == 0] + ([second.wait(timeout=60) == 0] if second else [])
    if clobberer:
        clobberer.stop.set()
        clobberer.join()
    return judge(data, kind, installs)


def judge(data, kind, installs):
    """The faults of one trial; empty when every rule held."""
    faults = []
    sheets, update = data / "印刷情報", data / "update"
    good = (sheets / GOOD / "format.tsd").is_file()
    if (sheets / EVIL).exists():
        faults.append("the unsigned sheet was installed")
    if sum(installs) != (1 if good else 0):
        faults.append(f"installs reported {installs}, signed sheet present: {good}")
    marker = update / "update_.dt"
    if good and (not marker.is_file() or marker.read_bytes() != SIGNED_MARKER
                 or (update / "update_.serial").read_text() != "1"):
        faults.append("the signed sheet is in but its marker and serial are not kept")
    if not good and marker.exists():
        faults.append("a marker was kept although nothing was installed")
    left = {p.name for p in update.iterdir()} - {"update_.dt", "update_.serial"}
    if kind == "clobber":
        left -= set(OLD_NAMES)
    if left:
        faults.append("left in the update folder: " + ", ".join(sorted(left)))
    if sheets.exists() and any(p.name.startswith(".staging-") for p in sheets.iterdir()):
        faults.append("a staging folder was left")
    return faults, good


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("helper")
    parser.add_argument("installer")
    parser.add_argument("source", type=Path)
    parser.add_argument("--trials", type=int, default=200)
    args = parser.parse_args()
    if subprocess.run([PYTHON, "-c", "import pyftpdlib"], capture_output=True).returncode != 0 \
            or shutil.which("openssl") is None:
        print("skipped: python3-pyftpdlib and openssl are needed")
        return SKIPPED
    work = Path(tempfile.mkdtemp(prefix="velmaro-race-"))
    server = None
    try:
        private, key = make_key(work)
        signed, unsigned = serve(args.source, work, private)
        evil = (unsigned / "velmaro" / UPDATE).read_bytes()
        server = subprocess.Popen([PYTHON, "-c", SERVER, str(signed), str(unsigned)], stdout=subprocess.PIPE,
                                  text=True)
        port = server.stdout.readline().strip()
        start = time.monotonic()
        calibration = check_once(args, port, "signed", work / "calibration", key)
        if calibration.wait(timeout=60) != 0:
            print("the signed update alone was not installed")
            return 1
        span = (time.monotonic() - start) * 1.5
        kinds = itertools.cycle(["unsigned-second", "honest-pair", "clobber"])
        failed, tally = 0, {}
        for number in range(args.trials):
            kind = next(kinds)
            offset = span * number / max(args.trials - 1, 1)
            faults, good = trial(args, port, key, evil, kind, offset, work / f"trial-{number}")
            tally.setdefault(kind, [0, 0, 0])
            tally[kind][0] += 1
            tally[kind][1] += good
            tally[kind][2] += not faults
            if faults:
                failed += 1
                print(f"trial {number} ({kind}, second start after {offset * 1000:.0f} ms): " + "; ".join(faults))
            shutil.rmtree(work / f"trial-{number}", ignore_errors=True)
        for kind, (count, good, passed) in tally.items():
            print(f"{kind}: {passed}/{count} held, signed update installed in {good}")
        print(f"{args.trials - failed} of {args.trials} trials held (start offsets swept over 0-{span * 1000:.0f} ms)")
        return 0 if failed == 0 else 1
    finally:
        if server:
            server.send_signal(signal.SIGTERM)
            server.wait(timeout=10)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
