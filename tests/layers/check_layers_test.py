#!/usr/bin/env python3
"""tools/check_layers on small source trees of probe files: each row an include in a folder, and
whether the layer table allows it. Usage: check_layers_test.py SOURCE_DIR"""
import pathlib
import runpy
import sys
import tempfile
import unittest
from types import SimpleNamespace

SOURCE = None


def load_checker():
    """The functions of tools/check_layers, run as a module (its main does not run)."""
    return SimpleNamespace(**runpy.run_path(str(SOURCE / "tools" / "check_layers")))


# (folder, include line, allowed)
CASES = [
    ("pages", '#include "render/font_pool.h"', True),
    ("pages", "#include <render/font_pool.h>", True),
    ("render", '#include "pages/text_page.h"', False),
    ("render", "#include <pages/text_page.h>", False),
    ("format", '#include "design/seal_format.h"', False),
    ("design", '#include "format/catalog.h"', True),
    ("format", "#include <QString>", False),
    ("render", "#include <QPainter>", True),
    ("render", "#include <QWidget>", False),
    ("labels", "#include <QtWidgets/QLabel>", False),
    ("res", "#include <QPushButton>", False),
    ("controls", "#include <QWidget>", True),
    ("app", '#include "pages/start_page.h"', True),
    ("controls", '#include "wizard/wizard_sheet.h"', False),
    ("render", "#include <vector>", True),
    ("render", "#include <boost/asio.hpp>", True),
]


class LayerTable(unittest.TestCase):
    def test_each_include_is_judged_by_the_table(self):
        checker = load_checker()
        for folder, line, allowed in CASES:
            with self.subTest(folder=folder, line=line), tempfile.TemporaryDirectory() as root:
                src = pathlib.Path(root) / "src"
                (src / folder).mkdir(parents=True)
                (src / folder / "probe.cpp").write_text(line + "\n", encoding="utf-8")
                self.assertEqual(checker.problems(src) == [], allowed, checker.problems(src))

    def test_a_folder_outside_the_table_is_named(self):
        checker = load_checker()
        with tempfile.TemporaryDirectory() as root:
            src = pathlib.Path(root) / "src"
            (src / "extras").mkdir(parents=True)
            (src / "extras" / "probe.h").write_text("#pragma once\n", encoding="utf-8")
            self.assertEqual(len(checker.problems(src)), 1)


if __name__ == "__main__":
    SOURCE = pathlib.Path(sys.argv.pop(1))
    unittest.main()
