# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Contacts files against independent readers and writers: Debian's vobject
for vCard and Python's csv module for CSV. CONTACTSTOOL names the small program that
imports and exports through the contacts library."""

import csv
import io
import json
import os
import subprocess
import tempfile
import unittest

import vobject

TOOL = os.environ["CONTACTSTOOL"]

# Names that need escaping, quoting, folding or more than ASCII.
BOOK = [
    {"name": "Ann", "number": "00447700900001"},
    {"name": "Smith, Ann; Jr.", "number": "00447700900002"},
    {"name": 'Quote "Q" and back\\slash', "number": "00447700900003"},
    {"name": "Ünïcödé Straße 日本 太郎 😀 " * 5 + "end", "number": "00447700900004"},
    {"name": "Zoë", "number": "004915123456789"},
]


def run_import(path, country="UK"):
    done = subprocess.run([TOOL, "import", path, country], capture_output=True, check=True, timeout=60)
    return json.loads(done.stdout)


def run_export(path, book):
    subprocess.run([TOOL, "export", path], input=json.dumps(book).encode(), check=True, timeout=60)


class ContactsInterop(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)

    def path(self, name):
        return os.path.join(self.dir.name, name)

    def test_cards_written_by_vobject_are_imported(self):
        cards = []
        people = [
            ("Ann", "Lee", None, [("HOME", "+44 20 7946 0000"), ("CELL", "07700 900123")]),
            ("Bo", "Smith, Jr.", "Bo; the \\ one", [("CELL", "+44 (0)7700-900124")]),
            ("Cy", "Müller", "Cy Müller " + "é" * 80, [("WORK", "0044 7700 900125")]),
            ("Di", "Fax", None, [("FAX", "+44 20 7946 0001")]),
        ]
        for given, family, full, phones in people:
            card = vobject.vCard()
            card.add("n").value = vobject.vcard.Name(family=family, given=given)
            card.add("fn").value = full or f"{given} {family}"
            for kind, number in phones:
                tel = card.add("tel")
                tel.value = number
                tel.type_param = kind
            card.add("note").value = "A note, with; signs\nand two lines " + "x" * 200
            cards.append(card.serialize())
        with open(self.path("cards.vcf"), "w", encoding="utf-8", newline="") as f:
            f.write("".join(cards))

        outcome = run_import(self.path("cards.vcf"))
        self.assertEqual(outcome["error"], "")
        self.assertEqual(outcome["book"], [
            {"name": "Ann Lee", "number": "00447700900123"},
            {"name": "Bo; the \\ one", "number": "00447700900124"},
            {"name": "Cy Müller " + "é" * 80, "number": "00447700900125"},
            {"name": "Di Fax", "number": "00442079460001"},
        ])
        self.assertEqual(outcome["skipped"], [])
        self.assertEqual(outcome["summary"], "Imported 4 recipients.")

    def test_exported_cards_are_read_by_vobject(self):
        run_export(self.path("book.vcf"), BOOK)
        with open(self.path("book.vcf"), "rb") as f:
            raw = f.read()
        for line in raw.split(b"\r\n"):
            self.assertLessEqual(len(line), 75)
            line.decode("utf-8")  # each folded line is whole UTF-8
        read = []
        for card in vobject.readComponents(raw.decode("utf-8")):
            self.assertEqual(card.version.value, "4.0")
            self.assertEqual(card.tel.params["TYPE"], ["cell"])
            read.append({"name": card.fn.value, "number": card.tel.value})
        self.assertEqual(read, BOOK)

    def test_csv_written_by_the_csv_module_is_imported(self):
        rows = [(entry["name"], entry["number"]) for entry in BOOK]
        rows.append(("Two\nlines", "+44 7700 900199"))
        for delimiter in (",", ";"):
            with self.subTest(delimiter=delimiter):
                with open(self.path("book.csv"), "w", encoding="utf-8-sig", newline="") as f:
                    writer = csv.writer(f, delimiter=delimiter)
                    writer.writerow(["Name", "Number"])
                    writer.writerows(rows)
                outcome = run_import(self.path("book.csv"))
                self.assertEqual(outcome["error"], "")
                self.assertEqual(outcome["book"], BOOK + [{"name": "Two lines", "number": "00447700900199"}])

    def test_exported_csv_is_read_by_the_csv_module(self):
        run_export(self.path("book.csv"), BOOK)
        with open(self.path("book.csv"), encoding="utf-8", newline="") as f:
            rows = list(csv.reader(f, strict=True))
        self.assertEqual(rows, [["Name", "Number"]] + [[e["name"], e["number"]] for e in BOOK])

    def test_round_trip_through_both_formats(self):
        for name in ("book.vcf", "book.csv"):
            with self.subTest(file=name):
                run_export(self.path(name), BOOK)
                self.assertEqual(run_import(self.path(name))["book"], BOOK)


if __name__ == "__main__":
    unittest.main()
