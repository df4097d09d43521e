"""The files that make the program a desktop program: valid for the desktop's own checkers, one id
everywhere, a design-file type that recognises the sample designs, and a manual page that lists
every option of --help.

desktop_files_test.py SOURCE_DIR BUILD_DIR
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree
from pathlib import Path

APP_ID = "io.github.velmaro.Velmaro"
MIME_TYPE = "application/x-velmaro-design"
MIME_NS = "{http://www.freedesktop.org/standards/shared-mime-info}"


def run(command, **environment):
    return subprocess.run(command, capture_output=True, text=True, env={**os.environ, **environment})


class DesktopFiles(unittest.TestCase):
    def require(self, tool):
        if shutil.which(tool) is None:
            self.skipTest(tool + " is not installed")

    def test_checkers_accept_them(self):
        cases = [
            ("desktop-file-validate", [str(DESKTOP / f"{APP_ID}.desktop")]),
            ("appstreamcli", ["validate", "--no-net", str(DESKTOP / f"{APP_ID}.metainfo.xml")]),
            ("xmllint", ["--noout", str(DESKTOP / f"{APP_ID}.mime.xml"),
                         str(DESKTOP / "icons" / "scalable" / f"{APP_ID}.svg")]),
        ]
        for tool, arguments in cases:
            with self.subTest(tool=tool):
                self.require(tool)
                result = run([tool] + arguments)
                self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
                if tool == "desktop-file-validate":
                    self.assertEqual(result.stdout + result.stderr, "")

    def test_the_mime_database_takes_the_type(self):
        self.require("update-mime-database")
        with tempfile.TemporaryDirectory() as share:
            mime = Path(share) / "mime"
            (mime / "packages").mkdir(parents=True)
            shutil.copy(DESKTOP / f"{APP_ID}.mime.xml", mime / "packages" / f"{APP_ID}.xml")
            result = run(["update-mime-database", str(mime)], XDG_DATA_DIRS=share)
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertEqual(result.stderr, "")
            self.assertIn(MIME_TYPE, (mime / "types").read_text().split())
            self.assertIn(f"{MIME_TYPE}:*.zvd", (mime / "globs").read_text())

    def test_one_id_names_the_entry_metadata_and_icons(self):
        entry = (DESKTOP / f"{APP_ID}.desktop").read_text()
        self.assertIn(f"\nIcon={APP_ID}\n", entry)
        self.assertIn(f"\nMimeType={MIME_TYPE};\n", entry)
        metainfo = ElementTree.parse(DESKTOP / f"{APP_ID}.metainfo.xml").getroot()
        self.assertEqual(metainfo.findtext("id"), APP_ID)
        self.assertEqual(metainfo.findtext("launchable"), f"{APP_ID}.desktop")
        self.assertEqual(metainfo.findtext("provides/mediatype"), MIME_TYPE)
        for size in ("scalable", "48x48", "256x256"):
            suffix = "svg" if size == "scalable" else "png"
            self.assertTrue((DESKTOP / "icons" / size / f"{APP_ID}.{suffix}").is_file(), size)
        self.assertIn(f'"{APP_ID}"', (SOURCE / "src" / "app" / "main.cpp").read_text())

    def test_the_icons_are_what_make_icons_draws(self):
        with tempfile.TemporaryDirectory() as drawn:
            result = run([str(BUILD / "src" / "res" / "make_icons"), drawn], QT_QPA_PLATFORM="offscreen")
            self.assertEqual(result.returncode, 0, result.stderr)
            svg = f"scalable/{APP_ID}.svg"
            self.assertEqual((Path(drawn) / svg).read_text(), (DESKTOP / "icons" / svg).read_text(),
                             "desktop/icons is out of date: run tools/make_icons")
        for pixels in (48, 256):
            png = (DESKTOP / "icons" / f"{pixels}x{pixels}" / f"{APP_ID}.png").read_bytes()
            width, height = int.from_bytes(png[16:20], "big"), int.from_bytes(png[20:24], "big")
            self.assertEqual((width, height), (pixels, pixels))

    def test_the_magic_recognises_both_kinds_of_sample_design(self):
        mime = ElementTree.parse(DESKTOP / f"{APP_ID}.mime.xml").getroot()
        matches = [(int(m.get("offset")), m.get("value").encode())
                   for m in mime.iter(MIME_NS + "match")]
        samples = sorted((SOURCE / "data" / "data").glob("*.zvd"))
        self.assertTrue(samples)
        for sample in samples:
            with self.subTest(sample=sample.name):
                head = sample.read_bytes()[:64]
                self.assertTrue(any(head[offset:offset + len(value)] == value for offset, value in matches))
        self.assertFalse(any(b"%PDF-1.4\n"[o:o + len(v)] == v for o, v in matches))

    def test_the_manual_page_lists_every_option_of_the_help(self):
        result = run([str(BUILD / "velmaro"), "--help"])
        self.assertEqual(result.returncode, 0, result.stderr)
        options = set(re.findall(r"^  (--[a-z]+)", result.stdout, re.MULTILINE))
        self.assertGreaterEqual(options, {"--catalog", "--info", "--export", "--version", "--help"})
        manual = (BUILD / "desktop" / "velmaro.1").read_text()
        documented = set(re.findall(r"^\.(?:B|BR) \\-\\-([a-z]+)", manual, re.MULTILINE))
        self.assertEqual({"--" + name for name in documented}, options)
        version = run([str(BUILD / "velmaro"), "--version"]).stdout.split()[-1]
        self.assertIn(f'"velmaro {version}"', manual.splitlines()[0])


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: desktop_files_test.py SOURCE_DIR BUILD_DIR")
    SOURCE, BUILD = Path(sys.argv[1]), Path(sys.argv[2])
    DESKTOP = SOURCE / "desktop"
    outcome = unittest.main(argv=sys.argv[:1], exit=False, verbosity=2).result
    sys.exit(0 if outcome.wasSuccessful() else 1)
