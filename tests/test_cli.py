# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The command line as scripts use it: each command a process of its own, with
no display, its exit status, standard output and standard error, and --json
read by Python's json module. KORVANE names the program. Sends go to the local
gateway (tools/sms_gateway.py) or to a small server here that misbehaves."""

import csv
import fcntl
import json
import os
import signal
import socket
import subprocess
import tempfile
import threading
import unittest
from concurrent.futures import ThreadPoolExecutor

from test_sms_gateway import Gateway
from waiting import wait_until

KORVANE = os.environ["KORVANE"]
TIMEOUT = 60
WINDOW_OPEN = "KORVANE's window is open; close it or add the contact there"


class Home:
    """A user of their own: settings and history in a temporary folder, and no display."""

    def __init__(self):
        self.folder = tempfile.TemporaryDirectory()
        self.config = os.path.join(self.folder.name, "config")
        self.data = os.path.join(self.folder.name, "data")
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR")}
        self.env.update(XDG_CONFIG_HOME=self.config, XDG_DATA_HOME=self.data, HOME=self.folder.name,
                        LC_ALL="C.UTF-8", TZ="UTC")
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


class MisbehavingService:
    """Takes one request and answers with `reply`, or drops the connection when it is None."""

    def __init__(self, reply):
        self.server = socket.create_server(("127.0.0.1", 0))
        self.port = self.server.getsockname()[1]
        self.reply = reply
        self.thread = threading.Thread(target=self.serve, daemon=True)
        self.thread.start()

    def serve(self):
        connection, _ = self.server.accept()
        with connection:
            request = b""
            while b"</soap:Envelope>" not in request and b"Envelope>" not in request[-20:]:
                chunk = connection.recv(65536)
                if not chunk:
                    break
                request += chunk
            if self.reply is not None:
                connection.sendall(self.reply)

    def close(self):
        self.server.close()


FAULT = (b"HTTP/1.1 500 Internal Server Error\r\nContent-Type: text/xml; charset=utf-8\r\nConnection: close\r\n\r\n"
         b'<?xml version="1.0"?><soap:Envelope xmlns:soap="http://schemas.xmlsoap.org/soap/envelope/"><soap:Body>'
         b"<soap:Fault><faultcode>soap:Server</faultcode><faultstring>No credit left</faultstring></soap:Fault>"
         b"</soap:Body></soap:Envelope>")


class Send(CliTest):
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

    def test_to_a_name_and_to_a_number(self):
        done = self.home.run("send", "--to", "ANN", "Running late")
        self.assertFails(done, 0, "Your message was sent.")
        done = self.home.run("send", "--to", "00447700900099", "--country", "de-DE", "Guten Tag")
        self.assertFails(done, 0, "Your message was sent.")
        self.assertEqual([(m["to_number"], m["message"], m["culture"]) for m in self.delivered()],
                         [("00447700900001", "Running late", "en-GB"), ("00447700900099", "Guten Tag", "de-DE")])
        history = self.home.history()
        self.assertEqual([(h["state"], h["recipient_name"], h["recipient_number"]) for h in history],
                         [("sent", "00447700900099", "00447700900099"), ("sent", "Ann", "00447700900001")])
        # A number that the book knows is recorded under its name.
        self.home.send("--to", "00447700900001", "--country", "Spain", "Hola")
        self.assertEqual(self.home.history()[0]["recipient_name"], "Ann")
        self.assertEqual(self.delivered()[-1]["culture"], "es-ES")

    def test_message_from_standard_input(self):
        rows = {
            "echo": (b"Line one\n", "Line one"),
            "crlf": (b"Line one\r\n", "Line one"),
            "more lines": (b"One\n\nTwo\n\n", "One\n\nTwo\n"),
            "no line end": ("Grüße 😀".encode(), "Grüße 😀"),
        }
        for name, (given, expected) in rows.items():
            with self.subTest(name):
                self.home.send("--to", "Ann", "-", input=given)
                self.assertEqual(self.delivered()[-1]["message"], expected)

    def test_checks_in_the_windows_order_with_its_words(self):
        rows = {
            "unknown recipient": (["--to", "Bob", ""], "Your message was not sent: Bob is neither a name in the "
                                  "address book nor a valid phone number, which starts with 00 and the country "
                                  "code and has 14 digits or more."),
            "empty recipient": (["--to", "", ""], "You have not selected who to send your message to"),
            "empty message": (["--to", "Ann", ""], "You have not entered a message to send"),
            "160 characters": (["--to", "Ann", "x" * 160], "Your message was not sent: it is 160 characters long, "
                               "and the most that can be sent is 159."),
            "160 characters, not units": (["--to", "Ann", "😀" * 160], "Your message was not sent: it is 160 "
                                          "characters long, and the most that can be sent is 159."),
            "not UTF-8": (["--to", "Ann", "-"], "Your message was not sent: standard input is not UTF-8 text."),
        }
        for name, (args, message) in rows.items():
            with self.subTest(name):
                self.assertFails(self.home.run("send", *args, input=b"\xff\xfe"), 1, message)
        self.home.send("--to", "Ann", "😀" * 159)
        self.assertEqual(len(self.delivered()), 1)
        # Without the sender's details, that comes before the message.
        with open(self.home.file("KORVANE.conf"), "w", encoding="utf-8") as f:
            f.write("[AddressBook]\nCount=1\n1.Name=Ann\n1.Number=00447700900001\n")
        self.assertFails(self.home.run("send", "--to", "Ann", ""), 1, "You have not entered your name and number")
        self.assertEqual(len(self.home.history()), 1)

    def test_not_sent_and_not_known(self):
        rows = {
            "fault": (FAULT, 1, "Your message was not sent. The service refused the request: No credit left.", "not sent"),
            "dropped": (None, 2, "It is not known whether your message was sent: ", "not known"),
        }
        for name, (reply, status, start, state) in rows.items():
            with self.subTest(name):
                service = MisbehavingService(reply)
                self.addCleanup(service.close)
                self.use_service(f"http://127.0.0.1:{service.port}/")
                done = self.home.run("send", "--to", "Ann", "Hello")
                lines = done.stderr.decode().splitlines()
                self.assertEqual((done.returncode, done.stdout, len(lines)), (status, b"", 1))
                self.assertTrue(lines[0].startswith(start), lines[0])
                self.assertEqual(self.home.history()[0]["state"], state)
        os.remove(self.home.file("SendSMS.wsdl"))
        self.assertEqual(self.home.run("send", "--to", "Ann", "Hello").returncode, 1)


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
