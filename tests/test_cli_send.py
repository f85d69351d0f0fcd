# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""korvane send as scripts use it: to the local gateway (tools/sms_gateway.py), or to a small server here
that misbehaves."""

import os
import shutil
import socket
import subprocess
import tempfile
import threading
import unittest

from clihome import KORVANE, TIMEOUT, SendingTest


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


class Send(SendingTest):
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
                                  "code: 14 to 17 digits, or fewer where its country's numbers are shorter."),
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

    def test_without_the_transport_module(self):
        """A program whose transport module is missing sends nothing, says why and records the send
        as not sent."""
        alone = tempfile.TemporaryDirectory()
        self.addCleanup(alone.cleanup)
        program = os.path.join(alone.name, "korvane")
        shutil.copy2(KORVANE, program)
        done = subprocess.run([program, "send", "--to", "Ann", "Hello"], capture_output=True, timeout=TIMEOUT,
                              env=self.home.env)
        module = os.path.join(alone.name, "korvane-transport.so")
        self.assertFails(done, 1, "Your message was not sent. KORVANE's HTTP transport is not available: "
                                  f"{module} is missing.")
        self.assertEqual(self.delivered(), [])
        self.assertEqual(self.home.history()[0]["state"], "not sent")

        # One that is not a shared object: the loader's own words, from the thread that loaded it.
        with open(module, "wb") as junk:
            junk.write(b"not a module")
        done = subprocess.run([program, "send", "--to", "Ann", "Hello"], capture_output=True, timeout=TIMEOUT,
                              env=self.home.env)
        told = done.stderr.decode()
        self.assertEqual((done.returncode, done.stdout, told.count("\n")), (1, b"", 1))
        self.assertTrue(told.startswith("Your message was not sent. KORVANE's HTTP transport is not available: "
                                        f"{module} could not be loaded ({module}: "), told)
        self.assertEqual(self.delivered(), [])
        self.assertEqual(self.home.history()[0]["state"], "not sent")


if __name__ == "__main__":
    unittest.main()
