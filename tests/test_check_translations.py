# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Tests of scripts/check-translations on small .ts files of known faults."""

import os
import subprocess
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
CHECK = os.path.join(HERE, os.pardir, "scripts", "check-translations")
DATA = os.path.join(HERE, "data", "translations")


def check(*names):
    return subprocess.run(["/usr/bin/python3", CHECK, *(os.path.join(DATA, name) for name in names)],
                          capture_output=True, text=True, timeout=60)


class CheckTranslations(unittest.TestCase):
    def test_complete_file_passes(self):
        done = check("complete.ts")
        self.assertEqual(done.returncode, 0, done.stdout + done.stderr)
        self.assertEqual(done.stdout, "")

    def test_each_fault_is_named(self):
        done = check("complete.ts", "incomplete.ts")
        self.assertEqual(done.returncode, 1)
        faults = done.stdout.splitlines()
        self.assertEqual(len(faults), 3, done.stdout)
        self.assertIn('"Do you want to remove %1 from the address book?": the translation', faults[0])
        self.assertTrue(faults[0].endswith("drops %1"), faults[0])
        # One plural form of two keeps %n; the other loses it.
        self.assertTrue(faults[1].endswith("drops %n"), faults[1])
        self.assertIn("plein.", faults[1])
        self.assertTrue(faults[2].endswith('"Remove": not translated'), faults[2])


if __name__ == "__main__":
    unittest.main()
