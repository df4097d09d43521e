"""The installed program, run by an unprivileged user with a fresh home on a read-only prefix.

install_as_user_test.py BUILD_DIR: installs BUILD_DIR into a temporary prefix and checks that the
catalog lists the bundled sheets, that an installed sample design exports, that the installation
trusts no key (the sample key pair's public half is nowhere in it), that without a key of the
user's own an update is refused and the user is told why, and that an update signed with the
user's key and served on loopback lands in the user's data folder and joins the catalog, while
nothing under the prefix changes. Needs root to switch to the user "nobody"; exits 77 (skipped)
otherwise.
"""
import base64
import json
import os
import shutil
import signal
import subprocess
import sys
import tarfile
import tempfile
import time
import unittest
from pathlib import Path

SKIPPED = 77
NOBODY = 65534
PYTHON = "/usr/bin/python3"
BUNDLED_SHEET = "M102AA00"
UPDATE_SHEET = "M102AB00"
SAMPLE_DESIGN = "名札サンプル.zvd"

# Binds port 0 so the system picks a free port, and prints it.
FTP_SERVER = r"""
import logging, sys
logging.basicConfig(level=logging.WARNING)
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
authorizer = DummyAuthorizer()
authorizer.add_user("velmaro", "sticker2026", sys.argv[1], perm="elr")
FTPHandler.authorizer = authorizer
server = FTPServer(("127.0.0.1", 0), FTPHandler)
print(server.socket.getsockname()[1], flush=True)
server.serve_forever()
"""


def snapshot(folder):
    """Every path below `folder` with its kind, size and modification time."""
    state = {}
    for root, dirs, files in os.walk(folder):
        for name in dirs + files:
            path = os.path.join(root, name)
            info = os.lstat(path)
            state[path] = (info.st_mode, info.st_size, info.st_mtime_ns)
    return state


def make_key(folder):
    """A key pair of the test's own: the private key file and the public key as the settings write it."""
    private = folder / "update-key.pem"
    subprocess.run(["openssl", "genpkey", "-algorithm", "ed25519", "-out", str(private)], check=True)
    der = subprocess.run(["openssl", "pkey", "-in", str(private), "-pubout", "-outform", "DER"], check=True,
                         capture_output=True).stdout
    return private, base64.b64encode(der[-32:]).decode()


def sample_public_key():
    """The public half of the sample key pair kept in tools/."""
    der = subprocess.run(["openssl", "pkey", "-in", str(SOURCE / "tools" / "sample-update-key.SAMPLE-ONLY.pem"),
                          "-pubout", "-outform", "DER"], check=True, capture_output=True).stdout
    return base64.b64encode(der[-32:]).decode().rstrip("=")


def make_update(served, key):
    """The sample update of tools/serve_update: one new sheet made from a bundled one, signed with
    `key` as tools/sign_update signs it."""
    pack = served / "pack" / "印刷情報"
    shutil.copytree(SOURCE / "data" / "印刷情報" / BUNDLED_SHEET, pack / UPDATE_SHEET)
    format_file = pack / UPDATE_SHEET / "format.tsd"
    data = format_file.read_bytes()
    format_file.write_bytes(data.replace(BUNDLED_SHEET.encode(), UPDATE_SHEET.encode(), 1))
    (served / "velmaro").mkdir()
    update = served / "velmaro" / "VelmaroUpdate.tar.gz"
    with tarfile.open(update, "w:gz") as archive:
        archive.add(pack, arcname="印刷情報")
    (served / "velmaro" / "update_").write_text("20261210120000\n")
    subprocess.run([PYTHON, str(SOURCE / "tools" / "sign_update"), str(key), "20261210120000",
                    str(served / "velmaro"), update.name], check=True)


class InstalledProgram(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.root = Path(tempfile.mkdtemp(prefix="velmaro-install-"))
        os.chmod(cls.root, 0o755)
        cls.prefix = cls.root / "prefix"
        subprocess.run(["cmake", "--install", str(BUILD), "--prefix", str(cls.prefix)], check=True,
                       stdout=subprocess.DEVNULL)
        subprocess.run(["chmod", "-R", "a-w,a+rX", str(cls.prefix)], check=True)
        cls.before = snapshot(cls.prefix)
        cls.home = cls.root / "home"
        cls.home.mkdir()
        os.chown(cls.home, NOBODY, NOBODY)
        cls.program = cls.prefix / "bin" / "velmaro"

    @classmethod
    def tearDownClass(cls):
        subprocess.run(["chmod", "-R", "u+w", str(cls.root)], check=True)
        shutil.rmtree(cls.root)

    def environment(self, **extra):
        runtime = self.home / ".run"
        if not runtime.exists():
            self.as_user(["mkdir", "-m", "700", str(runtime)], env={})
        env = {"HOME": str(self.home), "PATH": "/usr/bin:/bin", "LANG": "C.UTF-8",
               "XDG_RUNTIME_DIR": str(runtime)}
        # A sanitizer build keeps the options the other tests run it with.
        env.update({name: value for name, value in os.environ.items() if name.endswith("SAN_OPTIONS")})
        env.update(extra)
        return env

    @staticmethod
    def user_command(command):
        return ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups", "--"] + command

    def as_user(self, command, env=None, **options):
        return subprocess.run(self.user_command(command), env=self.environment() if env is None else env,
                              capture_output=True, text=True, timeout=120, **options)

    def catalog(self):
        result = self.as_user([str(self.program), "--catalog"])
        self.assertEqual(result.returncode, 0, result.stderr)
        return [json.loads(line) for line in result.stdout.splitlines()]

    def catalog_codes(self):
        """The codes of the maker's sheets; label sheets of the template database follow them."""
        return [entry["strCode"] for entry in self.catalog() if "brand" not in entry]

    def assert_prefix_unchanged(self):
        self.assertEqual(snapshot(self.prefix), self.before)

    def test_1_catalog_lists_the_installed_sheets(self):
        bundled = sorted(p.name for p in (SOURCE / "data" / "印刷情報").iterdir())
        self.assertEqual(sorted(self.catalog_codes()), bundled)
        self.assert_prefix_unchanged()

    def test_1_catalog_lists_the_label_database_after_the_bundled_sheets(self):
        if not Path("/usr/share/libglabels-3.0/templates/paper-sizes.xml").exists():
            self.skipTest("the label-template database (glabels-data) is not installed")
        entries = self.catalog()
        labels = [entry for entry in entries if "brand" in entry]
        self.assertGreater(len(labels), 1500)
        self.assertEqual(entries[-len(labels):], labels)
        avery = [entry for entry in labels if (entry["brand"], entry["part"]) == ("Avery", "L7163")]
        self.assertEqual(len(avery), 1)
        self.assertEqual((avery[0]["paper"], avery[0]["count"], avery[0]["labelSize"]), ("A4", 14, [9910, 3810]))

    def test_2_an_installed_sample_exports_as_pdf(self):
        pdf = self.home / "sheet.pdf"
        design = self.prefix / "share" / "velmaro" / "data" / SAMPLE_DESIGN
        result = self.as_user([str(self.program), "--export", str(pdf), str(design)])
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(pdf.read_bytes()[:5], b"%PDF-")
        self.assert_prefix_unchanged()

    def test_3_the_installation_trusts_no_key(self):
        installed = (self.prefix / "share" / "velmaro" / "velmaro.ini").read_text()
        self.assertNotIn("UPDATEKEY", installed)
        self.assertNotIn("UPDATEUNSIGNED", installed)
        sample = sample_public_key().encode()
        for path in self.prefix.rglob("*"):
            if path.is_file() and not path.is_symlink():
                self.assertNotIn(sample, path.read_bytes(), str(path))

    def test_4_an_update_lands_in_the_users_data_folder_only_with_the_users_key(self):
        served = self.root / "served"
        served.mkdir()
        private, public = make_key(self.root)
        make_update(served, private)
        server = subprocess.Popen([PYTHON, "-c", FTP_SERVER, str(served)], stdout=subprocess.PIPE, text=True)
        try:
            port = server.stdout.readline().strip()
            self.assertTrue(port.isdigit(), "the FTP server did not start")
            # The installed settings as they are: no key, so no update, and the reason is given.
            self.write_user_settings(port, "")
            errors = self.run_wizard_until_update(give_up_after=5)
            self.assertIn("UPDATEUNSIGNED=1", errors)
            self.assertNotIn(UPDATE_SHEET, self.catalog_codes())
            self.write_user_settings(port, f"UPDATEKEY={public}\n")
            errors = self.run_wizard_until_update(give_up_after=60)
        finally:
            server.send_signal(signal.SIGTERM)
            server.wait(timeout=10)
            server.stdout.close()
        data = self.home / ".local" / "share" / "velmaro"
        self.assertTrue((data / "印刷情報" / UPDATE_SHEET / "format.tsd").is_file(),
                        "the update did not arrive; the wizard said: " + errors)
        self.assertEqual((data / "update" / "update_.serial").read_text(), "20261210120000")
        self.assertIn(UPDATE_SHEET, self.catalog_codes())
        self.assert_prefix_unchanged()

    def write_user_settings(self, port, key_line):
        """The installed settings, pointed at the test's server port, with `key_line` added to
        [SETTING], as the user's own file."""
        default = (self.prefix / "share" / "velmaro" / "velmaro.ini").read_text()
        self.assertIn("SERVER=127.0.0.1\n", default)
        config = self.home / ".config" / "velmaro"
        self.as_user(["mkdir", "-p", str(config)])
        own = default.replace("SERVER=127.0.0.1\n", f"SERVER=127.0.0.1\nPORT={port}\n")
        own = own.replace("[SETTING]\n", "[SETTING]\n" + key_line)
        result = self.as_user(["sh", "-c", f"cat > '{config}/velmaro.ini'"], input=own)
        self.assertEqual(result.returncode, 0, result.stderr)

    def run_wizard_until_update(self, give_up_after):
        """Starts the wizard offscreen and ends it once the update is in place and its marker kept
        (the wizard keeps the marker only after the installer has put the sheet in place), or after
        `give_up_after` seconds; returns what it wrote to standard error."""
        data = self.home / ".local" / "share" / "velmaro"
        sheet = data / "印刷情報" / UPDATE_SHEET / "format.tsd"
        marker = data / "update" / "update_.dt"
        wizard = subprocess.Popen(self.user_command([str(self.program)]),
                                  env=self.environment(QT_QPA_PLATFORM="offscreen"),
                                  stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        try:
            give_up = time.monotonic() + give_up_after
            while not (sheet.is_file() and marker.is_file()) and time.monotonic() < give_up \
                    and wizard.poll() is None:
                time.sleep(0.2)
        finally:
            wizard.kill()
            _, errors = wizard.communicate(timeout=10)
        return errors


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: install_as_user_test.py BUILD_DIR SOURCE_DIR")
    BUILD, SOURCE = Path(sys.argv[1]), Path(sys.argv[2])
    if os.geteuid() != 0:
        print("skipped: switching to the user nobody needs root")
        sys.exit(SKIPPED)
    outcome = unittest.main(argv=sys.argv[:1], exit=False, verbosity=2).result
    sys.exit(0 if outcome.wasSuccessful() else 1)
