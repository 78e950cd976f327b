#!/usr/bin/env python3
"""A small programmable HTTP/1.1 server for the tests and the demo.

It listens on one or more loopback addresses and ports, answers each path as
its configuration says, and logs every request it saw, so a test can check
what the client sent.

The configuration is a JSON file, read again for every request, so a test
can change the answers between two requests:

    {"routes": {
        "/update.ini": {"body": "text"},           # 200 with this body (Latin-1)
        "/big.bin":    {"size": 1048576},          # 200 with pattern bytes i % 251
        "/disk.zip":   {"file": "/path/to/file"},  # 200 with the file's bytes
        "/gone":       {"status": 404},
        "/old":        {"redirect": "/new"},       # 302 (or "status") with Location
        "/secret":     {"body": "x", "auth": {"user": "u", "password": "p"}},
        "/stream":     {"size": 5000, "length": "none"},   # no Content-Length
        "/liar":       {"size": 5000, "length": 9999},     # announces another length
        "/cut":        {"size": 5000, "cut_after": 100},   # closes after 100 bytes
        "/slow":       {"body": "x", "delay": 1.5, "body_delay": 0.5},
        "/hdr":        {"body": "x", "headers": {"X-Test": "yes"}}
    }}

A path that is not configured answers 404. A route's "status" overrides the
status of any answer; "auth" answers 401 with a Basic challenge until the
request carries those credentials.

The request log (--log) gets one block per request, written before the
answer is sent:

    request <method> <target> <version> <port the request arrived on>
    header <Name>: <value>
    body <hex bytes>
    end

Life cycle: --ready names a file that is written with "ok" once every
listener is bound (or "error <reason>" when one cannot be), --stop names a
file whose appearance ends the server, and --lifetime bounds its run in any
case, so a test that dies cannot leave it behind for long.
"""

import argparse
import base64
import json
import os
import socket
import ssl
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

PATTERN = bytes(range(251))


def pattern_bytes(size):
    """The bytes i % 251 for i in 0..size-1."""
    whole = PATTERN * (size // len(PATTERN) + 1)
    return whole[:size]


def write_atomically(path, text):
    temp = path + ".part"
    with open(temp, "w", encoding="utf-8") as out:
        out.write(text)
    os.replace(temp, path)


class Settings:
    def __init__(self, config_path, log_path):
        self.config_path = config_path
        self.log_path = log_path
        self.log_lock = threading.Lock()

    def routes(self):
        try:
            with open(self.config_path, "r", encoding="utf-8") as f:
                return json.load(f).get("routes", {})
        except (OSError, ValueError):
            return {}

    def log_request(self, lines):
        if not self.log_path:
            return
        with self.log_lock:
            with open(self.log_path, "ab") as out:
                out.write(("\n".join(lines) + "\n").encode("latin-1", "replace"))
                out.flush()
                os.fsync(out.fileno())


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "VantrelTestServer/1.0"
    sys_version = ""

    def log_message(self, format, *args):  # noqa: A002 - the base class's name
        pass

    def handle_one_request(self):
        try:
            super().handle_one_request()
        except (ConnectionError, ssl.SSLError, socket.timeout):
            self.close_connection = True

    def _read_body(self):
        length = self.headers.get("Content-Length")
        if length is None:
            return b""
        try:
            count = int(length)
        except ValueError:
            return b""
        return self.rfile.read(count) if count > 0 else b""

    def _log(self, body):
        lines = ["request %s %s %s %d" % (self.command, self.path, self.request_version,
                                          self.server.server_address[1])]
        for name, value in self.headers.items():
            lines.append("header %s: %s" % (name, value))
        if body:
            lines.append("body " + body.hex())
        lines.append("end")
        self.server.settings.log_request(lines)

    def _authorised(self, auth):
        expected = "%s:%s" % (auth.get("user", ""), auth.get("password", ""))
        given = self.headers.get("Authorization", "")
        if not given.startswith("Basic "):
            return False
        try:
            return base64.b64decode(given[6:].strip()).decode("latin-1") == expected
        except ValueError:
            return False

    def _answer(self):
        body_in = self._read_body()
        self._log(body_in)
        path = self.path
        if path.startswith("http://") or path.startswith("https://"):
            # An absolute target (as a proxy would receive it): use its path.
            path = "/" + path.split("/", 3)[3] if path.count("/") >= 3 else "/"
        route = self.server.settings.routes().get(path)
        if route is None:
            self._send(404, {}, b"not found\n", None, None, 0)
            return
        time.sleep(float(route.get("delay", 0)))
        extra = dict(route.get("headers", {}))
        if "auth" in route and not self._authorised(route["auth"]):
            extra["WWW-Authenticate"] = 'Basic realm="vantrel-test"'
            self._send(401, extra, b"authorisation required\n", None, None, 0)
            return
        if "redirect" in route:
            extra["Location"] = route["redirect"]
            self._send(int(route.get("status", 302)), extra, b"", None, None, 0)
            return
        if "body" in route:
            body = route["body"].encode("latin-1")
        elif "size" in route:
            body = pattern_bytes(int(route["size"]))
        elif "file" in route:
            with open(route["file"], "rb") as f:
                body = f.read()
        else:
            body = b""
        self._send(int(route.get("status", 200)), extra, body, route.get("length"), route.get("cut_after"),
                   float(route.get("body_delay", 0)))

    def _send(self, status, extra, body, length, cut_after, body_delay):
        self.send_response(status)
        for name, value in extra.items():
            self.send_header(name, value)
        if length == "none":
            self.send_header("Connection", "close")
            self.close_connection = True
        else:
            self.send_header("Content-Length", str(len(body) if length is None else int(length)))
        self.end_headers()
        self.wfile.flush()
        if self.command == "HEAD":
            return
        if body_delay > 0:
            time.sleep(body_delay)
        if cut_after is not None:
            self.wfile.write(body[:int(cut_after)])
            self.wfile.flush()
            self.close_connection = True
            try:
                self.connection.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass
            return
        self.wfile.write(body)
        self.wfile.flush()
        if self.close_connection:
            try:
                self.connection.shutdown(socket.SHUT_WR)
            except OSError:
                pass

    do_GET = _answer
    do_POST = _answer
    do_HEAD = _answer
    do_PUT = _answer


class Server(ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True

    def __init__(self, address, settings, tls_context):
        super().__init__(address, Handler)
        self.settings = settings
        self.tls_context = tls_context

    def get_request(self):
        sock, peer = self.socket.accept()
        if self.tls_context is not None:
            sock.settimeout(10)
            sock = self.tls_context.wrap_socket(sock, server_side=True, do_handshake_on_connect=False)
        return sock, peer

    def finish_request(self, request, client_address):
        if self.tls_context is not None:
            try:
                request.do_handshake()
            except (OSError, ssl.SSLError):
                return
            request.settimeout(None)
        super().finish_request(request, client_address)


def parse_address(text):
    host, _, port = text.rpartition(":")
    return host, int(port)


def quiet_stdio(output):
    """The server runs detached: its standard streams must not hold a pipe of
    whoever started it open."""
    null_in = os.open(os.devnull, os.O_RDONLY)
    os.dup2(null_in, 0)
    out = os.open(output or os.devnull, os.O_WRONLY | os.O_CREAT | os.O_APPEND, 0o644)
    os.dup2(out, 1)
    os.dup2(out, 2)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--listen", action="append", default=[], help="address:port of a plain listener")
    parser.add_argument("--tls", action="append", default=[], help="address:port of a TLS listener")
    parser.add_argument("--cert", help="certificate chain (PEM) for TLS listeners")
    parser.add_argument("--key", help="private key (PEM) for TLS listeners")
    parser.add_argument("--config", required=True, help="JSON file with the routes")
    parser.add_argument("--log", help="request log file")
    parser.add_argument("--ready", help="file written once the listeners are bound")
    parser.add_argument("--stop", help="file whose appearance stops the server")
    parser.add_argument("--lifetime", type=float, default=900, help="seconds after which the server ends anyway")
    parser.add_argument("--output", help="file for the server's own messages")
    parser.add_argument("--foreground", action="store_true", help="keep the standard streams (for a terminal)")
    args = parser.parse_args()
    if not args.foreground:
        quiet_stdio(args.output)

    settings = Settings(args.config, args.log)
    servers = []
    try:
        tls_context = None
        if args.tls:
            tls_context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
            tls_context.load_cert_chain(args.cert, args.key)
        for text in args.listen:
            servers.append(Server(parse_address(text), settings, None))
        for text in args.tls:
            servers.append(Server(parse_address(text), settings, tls_context))
    except (OSError, ValueError, ssl.SSLError) as error:
        print("server: %s" % error, file=sys.stderr)
        if args.ready:
            write_atomically(args.ready, "error %s\n" % error)
        return 1

    for server in servers:
        threading.Thread(target=server.serve_forever, kwargs={"poll_interval": 0.1}, daemon=True).start()
    if args.ready:
        write_atomically(args.ready, "ok\n")

    deadline = time.monotonic() + args.lifetime
    while time.monotonic() < deadline:
        if args.stop and os.path.exists(args.stop):
            break
        time.sleep(0.05)
    for server in servers:
        server.shutdown()
        server.server_close()
    if args.ready:
        try:
            os.remove(args.ready)
        except OSError:
            pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
