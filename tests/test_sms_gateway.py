# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Tests of tools/sms_gateway.py, driven by an independent SOAP client (zeep)."""

import datetime
import json
import os
import queue
import signal
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import urllib.error
import urllib.request
from concurrent.futures import ThreadPoolExecutor

import requests
import requests.auth
import zeep
import zeep.exceptions
import zeep.transports
from lxml import etree

GATEWAY = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                       os.pardir, 'tools', 'sms_gateway.py')
READY_PREFIX = 'KORVANE SMS gateway listening on '
START_TIMEOUT = 20
SOAP_ENV = 'http://schemas.xmlsoap.org/soap/envelope/'
TNS = 'http://korvane.example/sms'
WSDL_NS = {'wsdl': 'http://schemas.xmlsoap.org/wsdl/',
           'soap': 'http://schemas.xmlsoap.org/wsdl/soap/'}


class Gateway:
    """One gateway process on a free port, with its files in a temporary folder."""

    def __init__(self, *extra):
        self.folder = tempfile.TemporaryDirectory()
        self.outbox = os.path.join(self.folder.name, 'outbox.jsonl')
        self.wsdl_file = os.path.join(self.folder.name, 'SendSMS.wsdl')
        self.process = subprocess.Popen(
            [sys.executable, GATEWAY, '--port', '0', '--outbox', self.outbox,
             '--wsdl-out', self.wsdl_file, *extra],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
            encoding='utf-8')
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        self.url = None
        deadline = time.monotonic() + START_TIMEOUT
        while self.url is None:
            line = self.lines.get(timeout=max(0.1, deadline - time.monotonic()))
            if line is None:
                raise RuntimeError('gateway ended before it was ready')
            if line.startswith(READY_PREFIX):
                self.url = line[len(READY_PREFIX):].strip()

    def _read(self):
        for line in self.process.stdout:
            self.lines.put(line)
        self.lines.put(None)

    def client(self, auth=None):
        if auth is None:
            return zeep.Client(self.url + '?wsdl')
        session = requests.Session()
        session.auth = auth
        return zeep.Client(self.url + '?wsdl',
                           transport=zeep.transports.Transport(session=session))

    def stored(self):
        if not os.path.exists(self.outbox):
            return []
        with open(self.outbox, encoding='utf-8') as f:
            return [json.loads(line) for line in f]

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.process.stdout.close()
        self.folder.cleanup()


def post(url, body, timeout=10):
    request = urllib.request.Request(
        url, data=body.encode('utf-8'), method='POST',
        headers={'Content-Type': 'text/xml; charset=utf-8',
                 'SOAPAction': '"sendSMS"'})
    try:
        with urllib.request.urlopen(request, timeout=timeout) as reply:
            return reply.status, reply.read()
    except urllib.error.HTTPError as e:
        return e.code, e.read()


def envelope(*children):
    parts = ''.join('<t:{0}>{1}</t:{0}>'.format(name, value)
                    for name, value in children)
    return ('<s:Envelope xmlns:s="{}"><s:Body><t:sendSMS xmlns:t="{}">{}'
            '</t:sendSMS></s:Body></s:Envelope>').format(SOAP_ENV, TNS, parts)


class GatewayTest(unittest.TestCase):

    def start(self, *extra):
        gateway = Gateway(*extra)
        self.addCleanup(gateway.stop)
        return gateway

    def test_texts_arrive_unchanged_in_their_fields(self):
        gateway = self.start()
        client = gateway.client()
        cases = {
            'markup': ('Ann <b>', '00441', '00441234567890', 'a < b > c', 'en-GB'),
            'ampersand': ('A & B', '0049', '00491234567890', 'Tom & Jerry &amp;', 'de-DE'),
            'quotes': ('"Q" \'R\'', '0033', '00331234567890', 'say "hi" it\'s', 'fr-FR'),
            'cdata end': (']]>', '0034', '00341234567890', 'x]]>y<![CDATA[z', 'es-ES'),
            'non-latin': ('Зоя', '0030', '00301234567890', 'Γειά σου κόσμε 你好', 'el-GR'),
            'emoji': ('Pat', '0031', '00311234567890', 'ok 😀👍🏽', 'nl-NL'),
            'single space': (' ', '0039', '00391234567890', ' ', 'it-IT'),
            'line breaks': ('L', '0045', '00451234567890', 'one\ntwo\n', 'da-DK'),
            '159 characters': ('M', '0046', '00461234567890', 'x' * 158 + 'é', 'sv-SE'),
        }
        keys = ('from_name', 'from_number', 'to_number', 'message', 'culture')
        for count, (name, texts) in enumerate(cases.items(), start=1):
            with self.subTest(name):
                client.service.sendSMS(*texts)
                stored = gateway.stored()
                self.assertEqual(len(stored), count)
                self.assertEqual(tuple(stored[-1][k] for k in keys), texts)
                received = datetime.datetime.fromisoformat(stored[-1]['received'])
                self.assertIsNotNone(received.tzinfo)
                self.assertLess(abs(datetime.datetime.now(datetime.timezone.utc)
                                    - received).total_seconds(), 60)

    def test_each_message_is_printed_on_one_line(self):
        gateway = self.start()
        gateway.client().service.sendSMS('Ann', '00441', '00441234567890',
                                         'first\nsecond', 'en-GB')
        line = gateway.lines.get(timeout=10)
        self.assertIn('Ann', line)
        self.assertIn('00441234567890', line)
        self.assertIn('first\\nsecond', line)
        self.assertTrue(line.endswith('\n'))
        self.assertEqual(line.count('\n'), 1)

    def test_fault_flag_answers_with_the_fault_text_and_stores_nothing(self):
        gateway = self.start('--fault', 'Credit exhausted <ü>')
        with self.assertRaises(zeep.exceptions.Fault) as caught:
            gateway.client().service.sendSMS('A', '0044', '00441234567890',
                                             'hello', 'en-GB')
        self.assertEqual(caught.exception.message, 'Credit exhausted <ü>')
        self.assertEqual(gateway.stored(), [])

    def test_bad_requests_get_a_client_fault_and_the_gateway_goes_on(self):
        gateway = self.start()
        bad = {
            'not xml': 'garbage<',
            'missing argument': envelope(('FromName', 'A'), ('FromNumber', '1')),
            'arguments out of order': envelope(
                ('FromNumber', '1'), ('FromName', 'A'), ('ToNumber', '2'),
                ('Message', 'm'), ('Culture', 'en-GB')),
            'nil argument': envelope(
                ('FromName', 'A'), ('FromNumber', '1'), ('ToNumber', '2'),
                ('Message', 'm'), ('Culture', 'en-GB')).replace(
                    '<t:Message>m</t:Message>',
                    '<t:Message xmlns:i="http://www.w3.org/2001/XMLSchema-instance"'
                    ' i:nil="true"/>'),
        }
        for name, body in bad.items():
            with self.subTest(name):
                status, reply = post(gateway.url, body)
                self.assertEqual(status, 500)
                fault = etree.fromstring(reply).find('.//{%s}Fault' % SOAP_ENV)
                self.assertIsNotNone(fault)
                self.assertIn('Client', fault.findtext('faultcode'))
        self.assertEqual(gateway.stored(), [])
        gateway.client().service.sendSMS('A', '1', '2', 'still here', 'en-GB')
        self.assertEqual([m['message'] for m in gateway.stored()], ['still here'])

    def test_wsdl_describes_the_bound_port(self):
        gateway = self.start()
        with open(gateway.wsdl_file, 'rb') as f:
            written = f.read()
        with urllib.request.urlopen(gateway.url + '?wsdl', timeout=10) as reply:
            served = reply.read()
        for name, document in (('file', written), ('served', served)):
            with self.subTest(name):
                root = etree.fromstring(document)
                self.assertEqual(root.get('targetNamespace'), TNS)
                address = root.find('.//wsdl:service/wsdl:port/soap:address',
                                    WSDL_NS)
                self.assertEqual(address.get('location'), gateway.url)
                parts = [e.get('name') for e in root.iterfind(
                    './/{http://www.w3.org/2001/XMLSchema}complexType'
                    '[@name="sendSMS"]//{http://www.w3.org/2001/XMLSchema}element')]
                self.assertEqual(parts, ['FromName', 'FromNumber', 'ToNumber',
                                         'Message', 'Culture'])

    def test_a_late_answer_does_not_hold_up_other_calls(self):
        delay = 1.5
        gateway = self.start('--delay', str(delay))
        client = gateway.client()
        started = time.monotonic()
        with ThreadPoolExecutor(max_workers=3) as pool:
            calls = [pool.submit(client.service.sendSMS, 'A', '1', '2',
                                 'm%d' % i, 'en-GB') for i in range(3)]
            for call in calls:
                call.result(timeout=30)
        elapsed = time.monotonic() - started
        self.assertGreaterEqual(elapsed, delay)
        self.assertLess(elapsed, 2 * delay)
        self.assertEqual(sorted(m['message'] for m in gateway.stored()),
                         ['m0', 'm1', 'm2'])

    def test_terminate_ends_the_gateway_cleanly(self):
        for signum in (signal.SIGTERM, signal.SIGINT):
            with self.subTest(signal.Signals(signum).name):
                gateway = self.start()
                gateway.process.send_signal(signum)
                self.assertEqual(gateway.process.wait(timeout=10), 0)

    def test_port_in_use_is_reported(self):
        gateway = self.start()
        port = gateway.url.rstrip('/').rsplit(':', 1)[1]
        second = subprocess.run(
            [sys.executable, GATEWAY, '--port', port,
             '--outbox', os.path.join(gateway.folder.name, 'other.jsonl')],
            capture_output=True, encoding='utf-8', timeout=30)
        self.assertNotEqual(second.returncode, 0)
        self.assertIn(port, second.stderr)


USER = 'Zoë'
PASSWORD = 'pa:ss wörd'


class SignInTest(unittest.TestCase):
    """The gateway with --user: only that user's requests are taken."""

    def start(self, *extra):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        password_file = os.path.join(folder.name, 'password')
        with open(password_file, 'w', encoding='utf-8') as f:
            f.write(PASSWORD + '\n')
        gateway = Gateway('--user', USER, '--password-file', password_file, *extra)
        self.addCleanup(gateway.stop)
        return gateway

    def send(self, gateway, auth, message='hello'):
        gateway.client(auth).service.sendSMS('A', '0044', '00441234567890',
                                              message, 'en-GB')

    def test_basic_challenge_and_the_user_it_accepts(self):
        gateway = self.start()
        answer = requests.post(gateway.url, data=b'<x/>', timeout=10)
        self.assertEqual(answer.status_code, 401)
        self.assertEqual(answer.headers['WWW-Authenticate'],
                         'Basic realm="KORVANE SMS gateway", charset="UTF-8"')
        wrong = {
            'wrong password': requests.auth.HTTPBasicAuth(USER.encode(), b'pa:ss'),
            'wrong user': requests.auth.HTTPBasicAuth(b'Zoe', PASSWORD.encode()),
            'digest instead': requests.auth.HTTPDigestAuth(USER, PASSWORD),
        }
        for name, auth in wrong.items():
            with self.subTest(name):
                with self.assertRaises(requests.HTTPError) as refused:
                    self.send(gateway, auth)
                self.assertEqual(refused.exception.response.status_code, 401)
        self.assertEqual(gateway.stored(), [])
        self.send(gateway, requests.auth.HTTPBasicAuth(USER.encode(), PASSWORD.encode()),
                  'signed in')
        self.assertEqual([m['message'] for m in gateway.stored()], ['signed in'])

    def test_digest_with_each_algorithm(self):
        for algorithm in ('md5', 'sha-256'):
            with self.subTest(algorithm):
                gateway = self.start('--auth', 'digest-' + algorithm)
                answer = requests.post(gateway.url, data=b'<x/>', timeout=10)
                self.assertEqual(answer.status_code, 401)
                challenge = answer.headers['WWW-Authenticate']
                self.assertTrue(challenge.startswith('Digest realm="KORVANE SMS gateway"'))
                self.assertIn('algorithm=' + algorithm.upper(), challenge)
                with self.assertRaises(requests.HTTPError):
                    self.send(gateway, requests.auth.HTTPDigestAuth(USER, 'wrong'))
                self.send(gateway, requests.auth.HTTPDigestAuth(USER, PASSWORD))
                self.assertEqual([m['message'] for m in gateway.stored()], ['hello'])

    def test_user_and_password_file_go_together(self):
        for name, arguments in (('no file', ['--user', 'u']),
                                ('no user', ['--password-file', '/dev/null'])):
            with self.subTest(name):
                run = subprocess.run([sys.executable, GATEWAY, '--port', '0', *arguments],
                                     capture_output=True, encoding='utf-8', timeout=30)
                self.assertEqual(run.returncode, 2)
                self.assertIn('--password-file', run.stderr)


if __name__ == '__main__':
    unittest.main()
