# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The command line as scripts use it: each command a process of its own, with
no display, its exit status, standard output and standard error, and --json
read by Python's json module. The sends are in test_cli_send."""

import csv
import fcntl
import json
import os
import signal
import subprocess
import unittest
from concurrent.futures import ThreadPoolExecutor

from clihome import KORVANE, TIMEOUT, CliTest
from waiting import wait_until

WINDOW_OPEN = "KORVANE's window is open; close it or add the contact there"


class Dispatch(CliTest):
    def test_help_and_version(self):
        self.assertIn("Usage: korvane [COMMAND [ARGUMENTS]]", self.home.korvane("--help"))
        self.assertEqual(self.home.korvane("--version"), "KORVANE 1.0\n")
        self.assertIn("Usage: korvane send --to", self.home.korvane("help", "send"))
        self.assertIn("Usage: korvane contacts list", self.home.korvane("contacts", "add", "--help"))

    def test_usage_errors(self):
        rows = {
            "unknown command": (["bogus"], "korvane: 'bogus' is not a command. See 'korvane --help'."),
            "unknown option": (["--bogus"], "korvane: Unknown option 'bogus'. See 'korvane --help'."),
            "window option with a command": (["-reverse", "history"],
                                             "korvane: Unknown option 'reverse'. See 'korvane --help'."),
            "window option Qt does not take so": (["-platform=offscreen"], None),
            "send without --to": (["send", "hi"], "korvane send: Say who the message goes to, with --to NAME or "
                                                  "--to NUMBER. See 'korvane send --help'."),
            "send without message": (["send", "--to", "Ann"], None),
            "message in pieces": (["send", "--to", "Ann", "two", "words"], None),
            "unknown country": (["send", "--to", "Ann", "--country", "Narnia", "hi"], None),
            "contacts alone": (["contacts"], None),
            "add without number": (["contacts", "add", "Ann"], None),
            "import to unknown country": (["contacts", "import", "x.vcf", "--country", "xx-XX"], None),
            "limit not a number": (["history", "--limit", "ten"], None),
            "history with argument": (["history", "all"], None),
        }
        for name, (args, message) in rows.items():
            with self.subTest(name):
                done = self.home.run(*args)
                self.assertEqual((done.returncode, done.stdout), (64, b""))
                lines = done.stderr.decode().splitlines()
                self.assertEqual(len(lines), 1)
                if message:
                    self.assertEqual(lines[0], message)
                self.assertRegex(lines[0], r"See 'korvane( \w+)? --help'\.$")
        self.assertFalse(os.path.exists(os.path.join(self.home.data, "KORVANE")))

    # A command that made a QGuiApplication would try this display and fail.
    def test_commands_never_reach_for_a_display(self):
        env = {"DISPLAY": ":31999", "QT_QPA_PLATFORM": "xcb", "WAYLAND_DISPLAY": "nowhere"}
        self.assertEqual(self.home.korvane("contacts", "list", env=env), "")
        self.assertEqual(self.home.korvane("history", env=env), "")


class Contacts(CliTest):
    def test_add_list_remove(self):
        self.home.korvane("contacts", "add", "Ann", "00447700900001")
        self.home.korvane("contacts", "add", "Zoë Ünïcödé 日本", "00491512345678")
        self.home.korvane("contacts", "add", "Bo", "00447700900003")
        self.assertEqual(self.home.book(), [{"name": "Ann", "number": "00447700900001"},
                                            {"name": "Zoë Ünïcödé 日本", "number": "00491512345678"},
                                            {"name": "Bo", "number": "00447700900003"}])
        # Columns line up by characters, whatever their bytes.
        lines = self.home.korvane("contacts", "list").splitlines()
        self.assertEqual([line.index("00") for line in lines[1:]], [len("Zoë Ünïcödé 日本  ")] * 3)
        self.assertEqual(lines[0].index("Number"), len("Zoë Ünïcödé 日本  "))

        self.home.korvane("contacts", "remove", "zoë ünïcödé 日本")
        self.assertEqual([e["name"] for e in self.home.book()], ["Ann", "Bo"])

    def test_refused_changes_leave_the_book_as_it_was(self):
        self.home.korvane("contacts", "add", "Ann", "00447700900001")
        rows = {
            "13 digits": (["add", "Bo", "0044770090000"],
                          "0044770090000 is not a valid phone number, please use a valid country code prefix"),
            "a letter": (["add", "Bo", "0044770090000x"],
                         "0044770090000x is not a valid phone number, please use a valid country code prefix"),
            "name taken": (["add", "ANN", "00447700900002"], "ANN is already in the address book, as Ann."),
            "empty name": (["add", "", "00447700900002"], "The name is empty: give the recipient a name."),
            "remove unknown": (["remove", "Bo"], "Bo is not in the address book."),
            "missing file": (["import", "/nonexistent/book.vcf"], None),
            "unknown ending": (["export", os.path.join(self.home.folder.name, "book.txt")], None),
        }
        for name, (args, message) in rows.items():
            with self.subTest(name):
                done = self.home.run("contacts", *args)
                if message:
                    self.assertFails(done, 1, message)
                else:
                    self.assertEqual((done.returncode, len(done.stderr.decode().splitlines())), (1, 1))
                self.assertEqual(self.home.book(), [{"name": "Ann", "number": "00447700900001"}])

    def test_import_and_export(self):
        self.home.korvane("contacts", "add", "Ann", "00447700900001")
        cards = os.path.join(self.home.folder.name, "cards.vcf")
        with open(cards, "w", encoding="utf-8") as f:
            f.write("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Karl\r\nTEL;TYPE=CELL:0151 2345 6789\r\nEND:VCARD\r\n"
                    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:ann\r\nTEL:+44 7700 900009\r\nEND:VCARD\r\n")
        out = self.home.korvane("contacts", "import", cards, "--country", "Germany")
        self.assertEqual(out.splitlines()[0],
                         "Imported 1 recipient. 1 contact was skipped: 1 already in the address book.")
        self.assertEqual(len(out.splitlines()), 2)
        book = [{"name": "Ann", "number": "00447700900001"}, {"name": "Karl", "number": "004915123456789"}]
        self.assertEqual(self.home.book(), book)

        exported = os.path.join(self.home.folder.name, "book.csv")
        self.home.korvane("contacts", "export", exported)
        with open(exported, encoding="utf-8", newline="") as f:
            self.assertEqual(list(csv.reader(f)), [["Name", "Number"]] + [[e["name"], e["number"]] for e in book])

    def test_output_that_cannot_be_written_is_a_failure(self):
        self.home.korvane("contacts", "add", "Ann", "00447700900001")
        with open("/dev/full", "wb") as full:
            done = subprocess.run([KORVANE, "contacts", "list", "--json"], stdout=full, stderr=subprocess.PIPE,
                                  env=self.home.env, timeout=TIMEOUT)
        self.assertEqual((done.returncode, done.stderr.decode()),
                         (1, "The output could not be written: No space left on device.\n"))

    # Each command reads the book and saves it whole; side by side they must take turns.
    def test_adds_at_the_same_time_are_all_kept(self):
        names = [f"Person {i}" for i in range(8)]
        with ThreadPoolExecutor(len(names)) as pool:
            results = list(pool.map(lambda i: self.home.run("contacts", "add", names[i], f"004477009000{i:02}"),
                                    range(len(names))))
        self.assertEqual([r.returncode for r in results], [0] * len(names))
        self.assertEqual(sorted(e["name"] for e in self.home.book()), names)


class History(CliTest):
    def test_empty_history_makes_no_file(self):
        self.assertEqual(self.home.korvane("history"), "")
        self.assertEqual(self.home.history(), [])
        self.assertFalse(os.path.exists(os.path.join(self.home.data, "KORVANE", "history.sqlite")))

    # What anybody could have sent stays on one line and cannot drive the terminal.
    def test_newest_first_and_printable(self):
        self.home.set_sender()
        self.home.korvane("contacts", "add", "Ann", "00447700900001")
        for text in ("first", "second\nline \u009b2J\tend"):
            # No description: not sent, and recorded all the same.
            self.assertEqual(self.home.run("send", "--to", "Ann", text).returncode, 1)
        self.assertEqual([h["message"] for h in self.home.history()], ["second\nline \u009b2J\tend", "first"])
        newest = json.loads(self.home.korvane("history", "--json", "--limit", "1"))
        self.assertEqual([(h["message"], h["state"], h["duration_ms"] >= 0) for h in newest],
                         [("second\nline \u009b2J\tend", "not sent", True)])
        lines = self.home.korvane("history").splitlines()
        self.assertEqual(len(lines), 3)
        self.assertTrue(lines[0].startswith("Time"))
        self.assertTrue(lines[1].endswith("second line \ufffd2J end"), lines[1])
        self.assertEqual({line.index("Ann") for line in lines[1:]}, {lines[0].index("To")})


class WindowAndCommands(CliTest):
    """A real window, on the offscreen platform, beside real commands."""

    def start_window(self):
        # Qt's own options open the window, as they always have.
        window = subprocess.Popen([KORVANE, "-platform", "offscreen"], env=self.home.env,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: (window.kill(), window.wait()))
        wait_until(lambda: self.held(self.home.file("KORVANE.lock")) or window.poll() is not None, "the window runs")
        self.assertIsNone(window.poll())
        return window

    @staticmethod
    def held(path):
        try:
            with open(path, "rb") as f:
                fcntl.flock(f, fcntl.LOCK_EX | fcntl.LOCK_NB)
            return False
        except BlockingIOError:
            return True
        except FileNotFoundError:
            return False

    def test_book_changes_wait_for_the_window_to_close(self):
        self.home.korvane("contacts", "add", "Ann", "00447700900001")
        window = self.start_window()
        self.assertFails(self.home.run("contacts", "add", "Bo", "00447700900002"), 1, WINDOW_OPEN)
        self.assertEqual(self.home.run("contacts", "remove", "Ann").returncode, 1)
        # Reading and sending go on while the window runs.
        self.assertEqual(self.home.book(), [{"name": "Ann", "number": "00447700900001"}])
        self.home.set_sender()
        self.assertEqual(self.home.run("send", "--to", "Ann", "Hi").returncode, 1)  # no description here
        self.assertEqual(self.home.history()[0]["state"], "not sent")

        window.send_signal(signal.SIGTERM)
        window.wait(TIMEOUT)
        self.home.korvane("contacts", "add", "Bo", "00447700900002")
        self.assertEqual([e["name"] for e in self.home.book()], ["Ann", "Bo"])

    # A window that starts while a command changes the book reads it only afterwards.
    def test_a_starting_window_waits_for_a_change_under_way(self):
        change_lock = self.home.file("KORVANE.change.lock")
        with open(change_lock, "wb") as held:
            fcntl.flock(held, fcntl.LOCK_EX)
            window = self.start_window()
            inode = os.stat(change_lock).st_ino

            def waiting():
                with open("/proc/locks", encoding="ascii") as f:
                    return any("->" in line and f" {window.pid} " in line and line.split()[6].endswith(f":{inode}")
                               for line in f)
            wait_until(waiting, "the window waits for the change lock")
        wait_until(lambda: not waiting(), "the window goes on")
        self.assertIsNone(window.poll())
        self.assertFails(self.home.run("contacts", "add", "Bo", "00447700900002"), 1, WINDOW_OPEN)


class Completion(unittest.TestCase):
    def test_commands_options_and_countries(self):
        rows = {
            "korvane ": "send contacts history help --help --version",
            "korvane co": "contacts",
            "korvane contacts ": "list add remove import export --help",
            "korvane send --to Ann --country G": "Germany",
            "korvane send --to contacts --": "--to --country --user --password-stdin --allow-unencrypted --help",
            "korvane contacts import --country de": "de-DE de-CH de-AT",
            "korvane history --": "--json --limit --help",
        }
        script = 'source "$COMPLETION"; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _korvane; echo "${COMPREPLY[*]}"'
        for line, expected in rows.items():
            with self.subTest(line):
                words = line.split(" ")
                done = subprocess.run(["bash", "-c", script, "_", *words], capture_output=True, text=True,
                                      timeout=TIMEOUT, check=True)
                self.assertEqual(done.stdout, expected + "\n")


if __name__ == "__main__":
    unittest.main()
