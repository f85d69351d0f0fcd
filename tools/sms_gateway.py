#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""KORVANE SMS gateway: a local SOAP service that takes sendSMS calls.

It offers the operation that KORVANE calls when the user presses "Send",
sendSMS(FromName, FromNumber, ToNumber, Message, Culture), as document/literal
SOAP 1.1 on 127.0.0.1, and delivers nothing: every message it accepts is
printed on one line and appended to an outbox file as one JSON line, so the
program can be tried and tested without a real SMS provider.

    /usr/bin/python3 tools/sms_gateway.py [--port N] [--outbox FILE]
                                          [--fault TEXT] [--delay SECONDS]
                                          [--wsdl-out FILE]
                                          [--user NAME --password-file FILE
                                           [--auth SCHEME]]

The service description is served at http://127.0.0.1:PORT/?wsdl.

With --user, every request (the description's too) must carry that user's
name and password: a request without them, or with wrong ones, is answered
401 with a challenge (HTTP Basic unless --auth asks for Digest) and its
message is not taken. The password is read from a file, never from the
command line, where other users of the machine could read it.
"""

import argparse
import base64
import binascii
import datetime
import hashlib
import hmac
import itertools
import json
import logging
import re
import secrets
import signal
import socketserver
import sys
import threading
import time
import urllib.parse
from wsgiref.simple_server import WSGIRequestHandler, WSGIServer, make_server

from lxml import etree
from spyne import Application, ServiceBase, Unicode, rpc
from spyne.model.fault import Fault
from spyne.protocol.soap import Soap11
from spyne.server.wsgi import WsgiApplication

DEFAULT_PORT = 47159
REALM = 'KORVANE SMS gateway'
AUTH_SCHEMES = ('basic', 'digest', 'digest-md5', 'digest-sha-256')
TARGET_NAMESPACE = 'http://korvane.example/sms'
READY_LINE = 'KORVANE SMS gateway listening on http://127.0.0.1:{port}/'

# Each of the five texts must be present; an empty text is still a text.
Text = Unicode(min_occurs=1, nillable=False)


class Outbox:
    """Where accepted messages go: stdout for people, a JSON-lines file for tests."""

    def __init__(self, path):
        self._path = path
        self._lock = threading.Lock()
        self._ids = itertools.count(1)

    def deliver(self, from_name, from_number, to_number, message, culture):
        record = {
            'from_name': from_name,
            'from_number': from_number,
            'to_number': to_number,
            'message': message,
            'culture': culture,
            'received': datetime.datetime.now(datetime.timezone.utc)
                                .isoformat(timespec='milliseconds'),
        }
        line = json.dumps(record, ensure_ascii=False)
        with self._lock:
            message_id = next(self._ids)
            with open(self._path, 'a', encoding='utf-8') as f:
                f.write(line + '\n')
            # json.dumps keeps a multi-line message on one printed line.
            print('#{} {} <{}> -> {} [{}]: {}'.format(
                message_id, from_name, from_number, to_number, culture,
                json.dumps(message, ensure_ascii=False)), flush=True)
        return message_id


class Behaviour:
    """What the gateway does with a call, set from the command line."""

    def __init__(self, outbox, fault_text=None, delay=0.0):
        self.outbox = outbox
        self.fault_text = fault_text
        self.delay = delay


def make_service(behaviour):
    class SendSMSService(ServiceBase):
        @rpc(Text, Text, Text, Text, Text, _returns=Unicode,
             _body_style='wrapped')
        def sendSMS(ctx, FromName, FromNumber, ToNumber, Message, Culture):
            if behaviour.delay > 0:
                time.sleep(behaviour.delay)
            if behaviour.fault_text is not None:
                raise Fault(faultcode='Server',
                            faultstring=behaviour.fault_text)
            message_id = behaviour.outbox.deliver(
                FromName, FromNumber, ToNumber, Message, Culture)
            return str(message_id)

    return SendSMSService


def make_application(behaviour):
    return Application([make_service(behaviour)],
                       tns=TARGET_NAMESPACE,
                       name='SendSMS',
                       in_protocol=Soap11(validator='lxml'),
                       out_protocol=Soap11())


def pretty_wsdl(wsgi_app, url):
    """The service description for url, indented for people to read."""
    wsgi_app.doc.wsdl11.build_interface_document(url)
    document = wsgi_app.doc.wsdl11.get_interface_document()
    root = etree.fromstring(document)
    # Drop the namespace declarations spyne adds for protocols not offered.
    etree.cleanup_namespaces(root, keep_ns_prefixes=['tns', 'xs'])
    return etree.tostring(root, xml_declaration=True, encoding='UTF-8',
                          pretty_print=True)


# name=value pairs of an Authorization header, the value a token or a quoted string.
AUTH_PARAMETER = re.compile(
    r'\s*([!#$%&\'*+.^_`|~0-9A-Za-z-]+)\s*=\s*("((?:[^"\\]|\\.)*)"|[^,\s]*)\s*,?')


def quoted(text):
    return '"' + text.replace('\\', '\\\\').replace('"', '\\"') + '"'


def parameters_of(text):
    """The name=value pairs of an Authorization header's credentials."""
    found = {}
    position = 0
    while position < len(text):
        match = AUTH_PARAMETER.match(text, position)
        if not match or match.end() == position:
            return None
        value = match.group(2)
        if value.startswith('"'):
            value = re.sub(r'\\(.)', r'\1', match.group(3))
        found[match.group(1).lower()] = value
        position = match.end()
    return found


class SignIn:
    """The one user who may call the gateway, and how a request proves it.

    Basic (RFC 7617) compares the name and password sent; Digest (RFC 7616,
    qop=auth, MD5 or SHA-256) checks the response computed from a nonce this
    gateway issued, with a nonce count that must grow, so that a recorded
    request cannot be played again.
    """

    DIGESTS = {'MD5': hashlib.md5, 'SHA-256': hashlib.sha256}

    def __init__(self, user, password, scheme='basic', realm=REALM):
        self.user = user
        self.password = password
        self.realm = realm
        self.scheme = scheme
        if scheme == 'digest':
            self.algorithms = ['SHA-256', 'MD5']
        elif scheme.startswith('digest-'):
            self.algorithms = [scheme[len('digest-'):].upper()]
        else:
            self.algorithms = []
        self._lock = threading.Lock()
        # nonce -> highest nonce count seen with it
        self._nonces = {}

    def challenges(self):
        """The WWW-Authenticate headers of a 401 answer."""
        if not self.algorithms:
            return [('WWW-Authenticate', 'Basic realm={}, charset="UTF-8"'
                     .format(quoted(self.realm)))]
        nonce = secrets.token_urlsafe(24)
        with self._lock:
            self._nonces[nonce] = 0
        return [('WWW-Authenticate',
                 'Digest realm={}, qop="auth", algorithm={}, nonce={}, '
                 'opaque="korvane", charset=UTF-8'.format(
                     quoted(self.realm), algorithm, quoted(nonce)))
                for algorithm in self.algorithms]

    def accepts(self, method, target, authorization):
        if not authorization:
            return False
        scheme, _, credentials = authorization.strip().partition(' ')
        if scheme.lower() == 'basic' and not self.algorithms:
            return self._accepts_basic(credentials.strip())
        if scheme.lower() == 'digest' and self.algorithms:
            return self._accepts_digest(method, target, credentials)
        return False

    def _accepts_basic(self, credentials):
        try:
            decoded = base64.b64decode(credentials, validate=True).decode('utf-8')
        except (binascii.Error, UnicodeDecodeError):
            return False
        user, colon, password = decoded.partition(':')
        return bool(colon) and self._same(user, self.user) \
            and self._same(password, self.password)

    def _accepts_digest(self, method, target, credentials):
        p = parameters_of(credentials)
        if p is None:
            return False
        algorithm = p.get('algorithm', 'MD5').upper()
        hash_function = self.DIGESTS.get(algorithm)
        if hash_function is None or algorithm not in self.algorithms:
            return False
        if p.get('qop') != 'auth' or p.get('realm') != self.realm \
                or p.get('uri') != target:
            return False
        user = p.get('username', '')
        if 'username*' in p:
            # RFC 8187: UTF-8''percent-encoded, for a name that is not plain ASCII.
            charset, _, encoded = p['username*'].partition("''")
            if charset.upper() != 'UTF-8':
                return False
            try:
                user = urllib.parse.unquote(encoded, encoding='utf-8', errors='strict')
            except UnicodeDecodeError:
                return False
        if not self._same(user, self.user):
            return False
        try:
            count = int(p.get('nc', ''), 16)
        except ValueError:
            return False
        nonce = p.get('nonce', '')

        def h(text):
            return hash_function(text.encode('utf-8')).hexdigest()

        a1 = h('{}:{}:{}'.format(self.user, self.realm, self.password))
        a2 = h('{}:{}'.format(method, target))
        expected = h(':'.join((a1, nonce, p.get('nc', ''), p.get('cnonce', ''),
                               'auth', a2)))
        if not self._same(p.get('response', ''), expected):
            return False
        with self._lock:
            if nonce not in self._nonces or count <= self._nonces[nonce]:
                return False
            self._nonces[nonce] = count
        return True

    @staticmethod
    def _same(given, expected):
        return hmac.compare_digest(given.encode('utf-8'), expected.encode('utf-8'))


def require_sign_in(application, sign_in):
    """application behind sign_in: a request without valid credentials gets a 401."""

    def guarded(environ, start_response):
        target = environ.get('PATH_INFO', '/') or '/'
        if environ.get('QUERY_STRING'):
            target += '?' + environ['QUERY_STRING']
        if sign_in.accepts(environ.get('REQUEST_METHOD', ''), target,
                           environ.get('HTTP_AUTHORIZATION')):
            return application(environ, start_response)
        # Read what was sent, so the client gets the answer rather than a
        # connection reset by unread bytes.
        try:
            length = int(environ.get('CONTENT_LENGTH') or 0)
        except ValueError:
            length = 0
        if length > 0:
            environ['wsgi.input'].read(length)
        body = b'Sign in to send messages through this gateway.\n'
        start_response('401 Unauthorized',
                       [('Content-Type', 'text/plain; charset=utf-8'),
                        ('Content-Length', str(len(body)))] + sign_in.challenges())
        return [body]

    return guarded


def read_password(path):
    """The password in path: its first line, without the line's end."""
    with open(path, encoding='utf-8') as f:
        line = f.readline()
    return line.rstrip('\r\n')


class ThreadingWSGIServer(socketserver.ThreadingMixIn, WSGIServer):
    # A late answer to one client must not hold up the others.
    daemon_threads = True
    allow_reuse_address = True


class QuietRequestHandler(WSGIRequestHandler):
    # stdout is for messages; the per-request access log would drown them.
    def log_message(self, format, *args):
        pass


def parse_arguments(argv):
    parser = argparse.ArgumentParser(
        description='Local SOAP gateway that accepts KORVANE sendSMS calls.')
    parser.add_argument('--port', type=int, default=DEFAULT_PORT,
                        help='TCP port on 127.0.0.1 (0: any free port; '
                             'default %(default)s)')
    parser.add_argument('--outbox', default='outbox.jsonl',
                        help='file that receives one JSON line per message '
                             '(default %(default)s)')
    parser.add_argument('--fault', metavar='TEXT',
                        help='answer every call with a SOAP fault carrying '
                             'TEXT and store nothing')
    parser.add_argument('--delay', type=float, default=0.0, metavar='SECONDS',
                        help='wait this long before answering a call')
    parser.add_argument('--wsdl-out', metavar='FILE',
                        help='write the service description for the bound '
                             'port to FILE before listening')
    parser.add_argument('--user', metavar='NAME',
                        help='accept only requests that sign in as NAME')
    parser.add_argument('--password-file', metavar='FILE',
                        help="the first line of FILE is NAME's password")
    parser.add_argument('--auth', choices=AUTH_SCHEMES, default='basic',
                        help='how to ask for the password: HTTP Basic, or Digest '
                             'with SHA-256 and MD5 offered, or with one of them '
                             '(default %(default)s)')
    arguments = parser.parse_args(argv)
    if (arguments.user is None) != (arguments.password_file is None):
        parser.error('--user and --password-file go together')
    if not 0 <= arguments.port <= 65535:
        parser.error('--port must lie between 0 and 65535')
    if arguments.delay < 0:
        parser.error('--delay must not be negative')
    return arguments


def main(argv=None):
    arguments = parse_arguments(argv)
    sys.stdout.reconfigure(encoding='utf-8', errors='backslashreplace')
    logging.basicConfig(level=logging.ERROR)

    behaviour = Behaviour(Outbox(arguments.outbox),
                          fault_text=arguments.fault, delay=arguments.delay)
    wsgi_app = WsgiApplication(make_application(behaviour))
    served = wsgi_app
    if arguments.user is not None:
        try:
            password = read_password(arguments.password_file)
        except (OSError, UnicodeDecodeError) as e:
            print('Cannot read the password file {}: {}'.format(
                arguments.password_file, e), file=sys.stderr)
            return 1
        served = require_sign_in(wsgi_app, SignIn(arguments.user, password,
                                                  arguments.auth))

    try:
        server = make_server('127.0.0.1', arguments.port, served,
                             server_class=ThreadingWSGIServer,
                             handler_class=QuietRequestHandler)
    except OSError as e:
        print('Cannot listen on 127.0.0.1:{}: {}'.format(arguments.port, e),
              file=sys.stderr)
        return 1

    port = server.server_address[1]
    wsdl = pretty_wsdl(wsgi_app, 'http://127.0.0.1:{}/'.format(port))
    if arguments.wsdl_out:
        with open(arguments.wsdl_out, 'wb') as f:
            f.write(wsdl)

    def stop(signum, frame):
        raise KeyboardInterrupt

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)

    try:
        # The socket is listening already: a client that connects now is
        # queued. A signal that comes right after this line still ends
        # the gateway cleanly.
        print(READY_LINE.format(port=port), flush=True)
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()
    return 0


if __name__ == '__main__':
    sys.exit(main())
