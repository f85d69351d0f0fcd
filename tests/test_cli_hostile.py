# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Commands given what was made to hurt: bytes that are not UTF-8, settings files and locks that are links,
names that disguise themselves, a service description that is a named pipe. Each is refused with its reason
or shown harmlessly; nothing of it is sent, and nothing is written elsewhere."""

import os
import unittest

from clihome import CliTest, SendingTest


class NotUtf8(SendingTest):
    """Never sent as U+FFFD nor cut short: refused, in the words used for standard input."""

    def test_standard_input_cut_short(self):
        rows = {
            "Latin-1 at the end": b"caf\xe9",
            "Latin-1 before the line end": b"x\xe9\n",
            "a character cut short": b"abc\xf0\x9f\x98",
        }
        for name, given in rows.items():
            with self.subTest(name):
                self.assertFails(self.home.run("send", "--to", "Ann", "-", input=given), 1,
                                 "Your message was not sent: standard input is not UTF-8 text.")
        self.assertEqual(self.delivered(), [])

    def test_arguments(self):
        rows = {
            "message": (["send", "--to", "Ann", b"\xff\xfe"], 1,
                        "Your message was not sent: the message is not UTF-8 text."),
            "recipient": (["send", "--to", b"Ann\xe9", "Hello"], 64,
                          "korvane send: The value of --to is not UTF-8 text. See 'korvane send --help'."),
            "name to add": (["contacts", "add", b"Zo\xeb", "00447700900002"], 64,
                            "korvane contacts add: 'Zo\ufffd' is not UTF-8 text. See 'korvane contacts --help'."),
        }
        for name, (args, status, message) in rows.items():
            with self.subTest(name):
                self.assertFails(self.home.run(*args), status, message)
        self.assertEqual(self.delivered(), [])
        self.assertEqual([e["name"] for e in self.home.book()], ["Ann"])


class Links(CliTest):
    """The settings file and the change lock are regular files in every command, as in the window."""

    def test_a_settings_file_that_is_a_link(self):
        settings = self.home.file("KORVANE.conf")
        elsewhere = os.path.join(self.home.folder.name, "elsewhere.conf")
        kept = "[KORVANE]\nFromName=Ann\nFromNumber=00441234567890\n"
        rows = {
            "add, to a file not there yet": (["contacts", "add", "Bo", "00447700900002"], None),
            "add, to a file": (["contacts", "add", "Bo", "00447700900002"], kept),
            "list": (["contacts", "list"], kept),
            "send": (["send", "--to", "00447700900002", "Hello"], kept),
        }
        for name, (args, contents) in rows.items():
            with self.subTest(name):
                for path in (settings, elsewhere):
                    if os.path.lexists(path):
                        os.remove(path)
                if contents is not None:
                    with open(elsewhere, "w", encoding="utf-8") as f:
                        f.write(contents)
                os.symlink(elsewhere, settings)
                done = self.home.run(*args)
                self.assertEqual((done.returncode, done.stdout), (1, b""))
                self.assertIn(f"The settings file {settings} cannot be used: it is a symbolic link, not a regular "
                              "file.", done.stderr.decode())
                if contents is None:
                    self.assertFalse(os.path.exists(elsewhere))
                else:
                    with open(elsewhere, encoding="utf-8") as f:
                        self.assertEqual(f.read(), contents)

    def test_a_change_lock_that_is_a_link(self):
        lock = self.home.file("KORVANE.change.lock")
        os.symlink(os.path.join(self.home.folder.name, "elsewhere.lock"), lock)
        self.assertFails(self.home.run("contacts", "add", "Ann", "00447700900001"), 1,
                         f"The lock file {lock} cannot be used: it is a symbolic link. Remove it and try again.")
        self.assertEqual(self.home.book(), [])


class Names(CliTest):
    # A right-to-left override makes "Ann" followed by "gpj.exe" read as "Annexe.jpg".
    def test_names_that_disguise_themselves(self):
        name = "Ann\u202egpj.exe \u2066x\u2069\u200b"
        with open(self.home.file("KORVANE.conf"), "w", encoding="utf-8") as f:
            f.write(f"[AddressBook]\nCount=1\n1.Name={name}\n1.Number=00447700900001\n")
        self.assertEqual(self.home.book(), [{"name": name, "number": "00447700900001"}])
        lines = self.home.korvane("contacts", "list").splitlines()
        self.assertEqual(lines[1], "Ann\ufffdgpj.exe \ufffdx\ufffd\ufffd  00447700900001")


class OwnDescription(CliTest):
    def test_own_description_that_is_a_named_pipe(self):
        self.home.set_sender()
        pipe = self.home.file("SendSMS.wsdl")
        os.mkfifo(pipe)
        done = self.home.run("send", "--to", "00447700900001", "Hello")
        self.assertEqual((done.returncode, done.stdout), (1, b""))
        self.assertIn(f"{pipe} is a named pipe", done.stderr.decode())


if __name__ == "__main__":
    unittest.main()
