# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the command-line suites share: a user of their own for each test, the program they run, and sends
to the local gateway. KORVANE names the program."""

import json
import os
import subprocess
import tempfile
import unittest

from test_sms_gateway import Gateway

KORVANE = os.environ["KORVANE"]
TIMEOUT = 60


class Home:
    """A user of their own: settings and history in a temporary folder, and no display."""

    def __init__(self):
        self.folder = tempfile.TemporaryDirectory()
        self.config = os.path.join(self.folder.name, "config")
        self.data = os.path.join(self.folder.name, "data")
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR")}
        self.env.update(XDG_CONFIG_HOME=self.config, XDG_DATA_HOME=self.data, HOME=self.folder.name,
                        LC_ALL="C.UTF-8", LANGUAGE="en", TZ="UTC")
        os.makedirs(os.path.join(self.config, "KORVANE"))

    def file(self, name):
        return os.path.join(self.config, "KORVANE", name)

    def run(self, *args, input=None, env=None):
        return subprocess.run([KORVANE, *args], input=input, capture_output=True, timeout=TIMEOUT,
                              env=dict(self.env, **(env or {})))

    def korvane(self, *args, **kwargs):
        """Runs a command that must succeed and say nothing on standard error; returns its output."""
        done = self.run(*args, **kwargs)
        if done.returncode != 0 or done.stderr:
            raise AssertionError(f"{args}: {done.returncode} {done.stderr!r}")
        return done.stdout.decode()

    def send(self, *args, **kwargs):
        """Sends a message that must go."""
        done = self.run("send", *args, **kwargs)
        if (done.returncode, done.stdout, done.stderr) != (0, b"", b"Your message was sent.\n"):
            raise AssertionError(f"{args}: {done.returncode} {done.stdout!r} {done.stderr!r}")

    def set_sender(self, name="Alice", number="00441234567890"):
        with open(self.file("KORVANE.conf"), "a", encoding="utf-8") as f:
            f.write(f"\n[KORVANE]\nFromName={name}\nFromNumber={number}\n")

    def book(self):
        return json.loads(self.korvane("contacts", "list", "--json"))

    def history(self):
        return json.loads(self.korvane("history", "--json"))


class CliTest(unittest.TestCase):
    def setUp(self):
        self.home = Home()
        self.addCleanup(self.home.folder.cleanup)

    def assertFails(self, done, status, message):
        """One line on standard error, nothing on standard output."""
        self.assertEqual((done.returncode, done.stdout, done.stderr.decode()), (status, b"", message + "\n"))


class SendingTest(CliTest):
    """Sends that go to the local gateway (tools/sms_gateway.py), from a sender to Ann of the book."""

    @classmethod
    def setUpClass(cls):
        cls.gateway = Gateway()

    @classmethod
    def tearDownClass(cls):
        cls.gateway.stop()

    def setUp(self):
        super().setUp()
        with open(self.gateway.wsdl_file, encoding="utf-8") as f:
            self.description = f.read()
        self.use_service(self.gateway.url)
        self.home.set_sender()
        self.home.korvane("contacts", "add", "Ann", "00447700900001")
        self.sent_before = len(self.gateway.stored())

    def use_service(self, url):
        with open(self.home.file("SendSMS.wsdl"), "w", encoding="utf-8") as f:
            f.write(self.description.replace(self.gateway.url, url))

    def delivered(self):
        return self.gateway.stored()[self.sent_before:]
