# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""`korvane send` signing in to a service that asks it to: the gateway with
--user, or a small service here that holds its answer while the test looks at
the running program. Runs under tests/with_secret_service.sh, whose keyring
stands in for the user's; CREDENTIALSTOOL keeps credentials in it as the
window does, KORVANE names the program."""

import base64
import http.server
import os
import pty
import select
import shutil
import subprocess
import tempfile
import termios
import threading
import unittest

from test_sms_gateway import Gateway
from waiting import wait_until

KORVANE = os.environ["KORVANE"]
CREDENTIALSTOOL = os.environ["CREDENTIALSTOOL"]
COMPLETION = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "packaging",
                          "korvane.bash-completion")
TIMEOUT = 60
USER = "ann"
PASSWORD = "Cli-Password-Marker-5W"
REALM = "KORVANE SMS gateway"
HOW = ("give your user name with --user NAME and your password in the environment variable KORVANE_PASSWORD "
       "or, with --password-stdin, on standard input")
ENVELOPE = (b'<s:Envelope xmlns:s="http://schemas.xmlsoap.org/soap/envelope/"><s:Body><sendSMSResponse '
            b'xmlns="http://korvane.example/sms"><sendSMSResult>1</sendSMSResult></sendSMSResponse></s:Body>'
            b'</s:Envelope>')


class Home:
    """A user of their own, in a temporary folder: settings, history, cache and state, and no display."""

    def __init__(self, description):
        self.folder = tempfile.TemporaryDirectory()
        root = self.folder.name
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "KORVANE_PASSWORD",
                                 "http_proxy", "no_proxy", "NO_PROXY", "all_proxy", "ALL_PROXY")}
        self.env.update(HOME=root, XDG_CONFIG_HOME=os.path.join(root, "config"),
                        XDG_DATA_HOME=os.path.join(root, "data"), XDG_CACHE_HOME=os.path.join(root, "cache"),
                        XDG_STATE_HOME=os.path.join(root, "state"), LC_ALL="C.UTF-8", LANGUAGE="en", TZ="UTC")
        folder = os.path.join(root, "config", "KORVANE")
        os.makedirs(folder)
        with open(os.path.join(folder, "KORVANE.conf"), "w", encoding="utf-8") as f:
            f.write("[KORVANE]\nFromName=Alice\nFromNumber=00441234567890\n")
        with open(os.path.join(folder, "SendSMS.wsdl"), "w", encoding="utf-8") as f:
            f.write(description)

    def command(self, *args):
        return [KORVANE, "send", "--to", "00447700900001", *args]

    def send(self, *args, input=None, env=None):
        return subprocess.run(self.command(*args), input=input, capture_output=True, timeout=TIMEOUT,
                              env=dict(self.env, **(env or {})))

    def files_holding(self, secret):
        """The files of this user that hold `secret`, as UTF-8 or UTF-16."""
        found = []
        for folder, _, names in os.walk(self.folder.name):
            for name in names:
                path = os.path.join(folder, name)
                with open(path, "rb") as f:
                    data = f.read()
                if secret.encode() in data or secret.encode("utf-16-le") in data:
                    found.append(path)
        return found


def keyring(*args, input=None):
    done = subprocess.run([CREDENTIALSTOOL, *args], input=input, capture_output=True, timeout=TIMEOUT)
    if done.returncode != 0:
        raise AssertionError(f"credentialstool {args}: {done.stderr!r}")


class SignInService:
    """Asks every request without the right Basic credentials to sign in; takes one with them, and when
    `hold` is set answers it only once the test calls release()."""

    def __init__(self, hold=False):
        self.requests = []
        self.signed_in = threading.Event()
        self.released = threading.Event()
        if not hold:
            self.released.set()
        service = self
        expected = "Basic " + base64.b64encode(f"{USER}:{PASSWORD}".encode()).decode()

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_POST(self):
                self.rfile.read(int(self.headers.get("Content-Length", 0)))
                authorization = self.headers.get("Authorization")
                service.requests.append(authorization)
                if authorization != expected:
                    self.answer(401, b"", [("WWW-Authenticate", 'Basic realm="Held"')])
                    return
                service.signed_in.set()
                service.released.wait(TIMEOUT)
                self.answer(200, ENVELOPE, [("Content-Type", "text/xml; charset=utf-8")])

            def answer(self, status, body, headers):
                self.send_response(status)
                for name, value in headers + [("Content-Length", str(len(body))), ("Connection", "close")]:
                    self.send_header(name, value)
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def close(self):
        self.released.set()
        self.server.shutdown()
        self.server.server_close()


class SignInTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.secrets = tempfile.TemporaryDirectory()
        password_file = os.path.join(cls.secrets.name, "password")
        with open(password_file, "w", encoding="utf-8") as f:
            f.write(PASSWORD + "\n")
        cls.gateway = Gateway("--user", USER, "--password-file", password_file)
        with open(cls.gateway.wsdl_file, encoding="utf-8") as f:
            cls.description = f.read()
        cls.where = cls.gateway.url.removeprefix("http://").rstrip("/")

    @classmethod
    def tearDownClass(cls):
        cls.gateway.stop()
        cls.secrets.cleanup()

    def home(self, url=None):
        home = Home(self.description.replace(self.gateway.url, url) if url else self.description)
        self.addCleanup(home.folder.cleanup)
        return home

    def keep(self, password):
        keyring("store", self.gateway.url, REALM, USER, input=(password + "\n").encode())
        self.addCleanup(keyring, "forget", self.gateway.url)

    def assertOutcome(self, done, status, line):
        """One line on standard error, nothing on standard output."""
        self.assertEqual((done.returncode, done.stdout, done.stderr.decode()), (status, b"", line + "\n"))


class Credentials(SignInTest):
    def test_three_ways_of_giving_them(self):
        rows = {
            "kept in the keyring": ([], None, {}),
            "--user with KORVANE_PASSWORD": (["--user", USER], None, {"KORVANE_PASSWORD": PASSWORD}),
            "--user with --password-stdin": (["--user", USER, "--password-stdin"], f"{PASSWORD}\n", {}),
            "--password-stdin, no line end": (["--user", USER, "--password-stdin"], PASSWORD, {}),
        }
        home = self.home()
        for name, (args, stdin, env) in rows.items():
            with self.subTest(name):
                if name == "kept in the keyring":
                    self.keep(PASSWORD)
                before = len(self.gateway.stored())
                done = home.send(*args, "Via " + name, input=stdin.encode() if stdin else None, env=env)
                self.assertOutcome(done, 0, "Your message was sent.")
                self.assertEqual([m["message"] for m in self.gateway.stored()[before:]], ["Via " + name])
                if name == "kept in the keyring":
                    keyring("forget", self.gateway.url)

    def test_none_is_not_sent_and_says_how(self):
        asks = f"Your message was not sent. The SMS service at {self.where} asks you to sign in ({REALM}): {HOW}."
        rows = {
            "keyring holds none": {},
            "no secret store at all": {"DBUS_SESSION_BUS_ADDRESS": "unix:path=/nonexistent/korvane-test-bus"},
            # Without --user, the variable is nobody's password.
            "KORVANE_PASSWORD alone": {"KORVANE_PASSWORD": PASSWORD},
        }
        home = self.home()
        for name, env in rows.items():
            with self.subTest(name):
                before = len(self.gateway.stored())
                self.assertOutcome(home.send("Hello", env=env), 1, asks)
                self.assertEqual(len(self.gateway.stored()), before)

    def test_without_the_keyring_module(self):
        """A program whose keyring module is missing works as with no secret store: given credentials
        still sign in, and without them it says how to give them."""
        home = self.home()
        alone = tempfile.TemporaryDirectory()
        self.addCleanup(alone.cleanup)
        program = os.path.join(alone.name, "korvane")
        shutil.copy2(KORVANE, program)
        shutil.copy2(os.path.join(os.path.dirname(KORVANE), "korvane-transport.so"), alone.name)
        self.keep(PASSWORD)

        def send(*args, env=None):
            return subprocess.run([program, "send", "--to", "00447700900001", *args], capture_output=True,
                                  timeout=TIMEOUT, env=dict(home.env, **(env or {})))

        before = len(self.gateway.stored())
        self.assertOutcome(send("--user", USER, "Without the module", env={"KORVANE_PASSWORD": PASSWORD}), 0,
                           "Your message was sent.")
        self.assertEqual([m["message"] for m in self.gateway.stored()[before:]], ["Without the module"])
        self.assertOutcome(send("Hello"), 1,
                           f"Your message was not sent. The SMS service at {self.where} asks you to sign in "
                           f"({REALM}): {HOW}.")

    def test_refused_ones_are_not_sent_and_not_tried_again(self):
        with self.subTest("given"):
            service = SignInService()
            self.addCleanup(service.close)
            where = service.url.removeprefix("http://").rstrip("/")
            done = self.home(service.url).send("--user", USER, "Hello", env={"KORVANE_PASSWORD": "wrong"})
            self.assertOutcome(done, 1, f"Your message was not sent. The SMS service at {where} did not accept "
                                        "the user name and password given with --user.")
            self.assertEqual(service.requests, [None, "Basic " + base64.b64encode(b"ann:wrong").decode()])
        home = self.home()
        with self.subTest("kept in the keyring"):
            self.keep("outdated")
            self.assertOutcome(home.send("Hello"), 1, "Your message was not sent. The saved user name or password "
                                                      f"was not accepted (the SMS service at {self.where}): {HOW}.")
        # Given ones come before the keyring's.
        done = home.send("--user", USER, "Hello", env={"KORVANE_PASSWORD": PASSWORD})
        self.assertOutcome(done, 0, "Your message was sent.")

    def test_usage_errors(self):
        rows = {
            "--password-stdin with the message on standard input": ["--user", USER, "--password-stdin", "-"],
            "--password-stdin without --user": ["--password-stdin", "Hello"],
            "--user without a password": ["--user", USER, "Hello"],
            "--user with no name": ["--user", "", "Hello"],
            "a password as an argument": ["--user", USER, "--password", PASSWORD, "Hello"],
        }
        home = self.home()
        for name, args in rows.items():
            with self.subTest(name):
                done = home.send(*args, input=f"{PASSWORD}\n".encode())
                self.assertEqual((done.returncode, done.stdout), (64, b""))
                lines = done.stderr.decode().splitlines()
                self.assertEqual(len(lines), 1)
                self.assertRegex(lines[0], r"^korvane send: .* See 'korvane send --help'\.$")
                self.assertNotIn(PASSWORD, lines[0])

    # Typed at a terminal, the password is not shown there.
    def test_password_stdin_at_a_terminal_is_not_echoed(self):
        home = self.home()
        leader, follower = pty.openpty()
        self.addCleanup(os.close, leader)
        with subprocess.Popen(home.command("--user", USER, "--password-stdin", "At a terminal"), stdin=follower,
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=home.env) as process:
            os.close(follower)
            # Typed once the program has turned echo off, as a person would after pressing Enter.
            wait_until(lambda: not termios.tcgetattr(leader)[3] & termios.ECHO, "echo is off", TIMEOUT)
            os.write(leader, f"{PASSWORD}\n".encode())
            out, err = process.communicate(timeout=TIMEOUT)
        self.assertEqual((process.returncode, out, err), (0, b"", b"Your message was sent.\n"))
        echoed = b""
        while select.select([leader], [], [], 0)[0]:
            try:
                chunk = os.read(leader, 4096)
            except OSError:
                break
            if not chunk:
                break
            echoed += chunk
        self.assertNotIn(PASSWORD.encode(), echoed)


class ClearText(SignInTest):
    # Basic over http:// to another computer, reached through a proxy (the service here).
    def test_refused_unless_allowed(self):
        rows = {
            "refused": ([], 1, "Your message was not sent. The SMS service at sms.example.test asks for your "
                            "password without encryption (http://), and it would travel unencrypted; give "
                            "--allow-unencrypted to send it all the same.", [None]),
            "allowed": (["--allow-unencrypted"], 0, "Your message was sent.",
                        [None, "Basic " + base64.b64encode(f"{USER}:{PASSWORD}".encode()).decode()]),
        }
        for name, (args, status, line, requests) in rows.items():
            with self.subTest(name):
                service = SignInService()
                self.addCleanup(service.close)
                home = self.home("http://sms.example.test/send")
                done = home.send("--user", USER, *args, "Hello",
                                 env={"KORVANE_PASSWORD": PASSWORD, "http_proxy": service.url})
                self.assertOutcome(done, status, line)
                self.assertEqual(service.requests, requests)


class PasswordStaysSecret(SignInTest):
    def test_never_in_the_arguments_nor_in_a_file(self):
        rows = {
            "--password-stdin": (["--password-stdin"], {}),
            "KORVANE_PASSWORD": ([], {"KORVANE_PASSWORD": PASSWORD}),
        }
        for name, (args, env) in rows.items():
            with self.subTest(name):
                service = SignInService(hold=True)
                self.addCleanup(service.close)
                home = self.home(service.url)
                process = subprocess.Popen(home.command("--user", USER, *args, "Hello"), stdin=subprocess.PIPE,
                                           stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                           env=dict(home.env, **env))
                try:
                    process.stdin.write(f"{PASSWORD}\n".encode())
                    process.stdin.close()
                    # The service holds the signed-in request: the program runs with the password in memory.
                    self.assertTrue(service.signed_in.wait(TIMEOUT))
                    with open(f"/proc/{process.pid}/cmdline", "rb") as f:
                        arguments = f.read()
                    self.assertIn(b"--user\0ann", arguments)
                    self.assertNotIn(PASSWORD.encode(), arguments)
                    listing = subprocess.run(["ps", "-ww", "-o", "args=", "-p", str(process.pid)],
                                             capture_output=True, text=True, timeout=TIMEOUT)
                    self.assertIn("--user ann", listing.stdout)
                    self.assertNotIn(PASSWORD, listing.stdout)
                    # The history's row, with its journal, is written by now.
                    self.assertTrue(os.path.exists(os.path.join(home.env["XDG_DATA_HOME"], "KORVANE",
                                                                "history.sqlite")))
                    self.assertEqual(home.files_holding(PASSWORD), [])
                finally:
                    service.released.set()
                    process.wait(timeout=TIMEOUT)
                    with process.stdout, process.stderr:
                        out, err = process.stdout.read(), process.stderr.read()
                self.assertEqual((process.returncode, out, err), (0, b"", b"Your message was sent.\n"))
                self.assertEqual(home.files_holding(PASSWORD), [])
                self.assertEqual(len(service.requests), 2)


class Completion(unittest.TestCase):
    def test_sign_in_options(self):
        rows = {
            "korvane send --to Ann --user ann --pa": "--password-stdin",
            "korvane send --al": "--allow-unencrypted",
            # A user name is the user's to type, even one that starts with a dash.
            "korvane send --user -": "",
        }
        script = 'source "$COMPLETION"; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _korvane; echo "${COMPREPLY[*]}"'
        for line, expected in rows.items():
            with self.subTest(line):
                done = subprocess.run(["bash", "-c", script, "_", *line.split(" ")], capture_output=True, text=True,
                                      timeout=TIMEOUT, check=True, env=dict(os.environ, COMPLETION=COMPLETION))
                self.assertEqual(done.stdout, expected + "\n")


if __name__ == "__main__":
    unittest.main()
