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
import datetime
import itertools
import json
import logging
import signal
import socketserver
import sys
import threading
import time
from wsgiref.simple_server import WSGIRequestHandler, WSGIServer, make_server

from lxml import etree
from spyne import Application, ServiceBase, Unicode, rpc
from spyne.model.fault import Fault
from spyne.protocol.soap import Soap11
from spyne.server.wsgi import WsgiApplication

from sms_gateway_signin import AUTH_SCHEMES, SignIn, require_sign_in

DEFAULT_PORT = 47159
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
