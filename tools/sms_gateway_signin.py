# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Signing in to the KORVANE SMS gateway: the one user who may call it, over
HTTP Basic (RFC 7617) or Digest (RFC 7616), and the guard that answers every
other request with 401 and a challenge. Used by sms_gateway.py."""

import base64
import binascii
import hashlib
import hmac
import re
import secrets
import threading
import urllib.parse

REALM = 'KORVANE SMS gateway'
AUTH_SCHEMES = ('basic', 'digest', 'digest-md5', 'digest-sha-256')


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
