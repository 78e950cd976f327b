#!/usr/bin/env python3
"""A forward HTTP proxy for the tests and the demo: Debian's tinyproxy,
configured for one loopback address, optionally with Basic authentication.

Every request it forwards carries "Via: 1.1 vantrel-test-proxy", so the
update server's request log shows which requests came through the proxy.

Life cycle as for server.py: --ready is written with "ok" once the proxy
accepts connections (or "error <reason>"), the appearance of --stop ends it,
and --lifetime bounds its run in any case.
"""

import argparse
import os
import shutil
import socket
import subprocess
import sys
import time

VIA_NAME = "vantrel-test-proxy"


def write_atomically(path, text):
    temp = path + ".part"
    with open(temp, "w", encoding="utf-8") as out:
        out.write(text)
    os.replace(temp, path)


def tinyproxy_config(host, port, user, password):
    lines = [
        "Port %d" % port,
        "Listen %s" % host,
        "Timeout 60",
        "MaxClients 20",
        "LogLevel Connect",
        'ViaProxyName "%s"' % VIA_NAME,
        "Allow 127.0.0.0/8",
    ]
    if os.geteuid() == 0:
        # tinyproxy gives up root after binding its port.
        lines += ["User nobody", "Group nogroup"]
    if user:
        lines.append("BasicAuth %s %s" % (user, password))
    return "\n".join(lines) + "\n"


def accepts(host, port):
    try:
        with socket.create_connection((host, port), timeout=0.5):
            return True
    except OSError:
        return False


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--listen", required=True, help="address:port of the proxy")
    parser.add_argument("--user", default="", help="user name the proxy requires (none: no authentication)")
    parser.add_argument("--password", default="")
    parser.add_argument("--workdir", required=True, help="folder for the proxy's configuration and log")
    parser.add_argument("--ready")
    parser.add_argument("--stop")
    parser.add_argument("--lifetime", type=float, default=900)
    parser.add_argument("--foreground", action="store_true", help="keep the standard streams (for a terminal)")
    args = parser.parse_args()

    log_path = os.path.join(args.workdir, "tinyproxy.log")
    if not args.foreground:
        null_in = os.open(os.devnull, os.O_RDONLY)
        os.dup2(null_in, 0)
        out = os.open(log_path, os.O_WRONLY | os.O_CREAT | os.O_APPEND, 0o644)
        os.dup2(out, 1)
        os.dup2(out, 2)

    def fail(reason):
        print("proxy: %s" % reason, file=sys.stderr)
        if args.ready:
            write_atomically(args.ready, "error %s\n" % reason)
        return 1

    host, _, port_text = args.listen.rpartition(":")
    port = int(port_text)
    binary = shutil.which("tinyproxy") or "/usr/bin/tinyproxy"
    if not os.path.exists(binary):
        return fail("tinyproxy is not installed (scripts/setup installs it)")
    if accepts(host, port):
        return fail("%s is already in use" % args.listen)
    config_path = os.path.join(args.workdir, "tinyproxy.conf")
    with open(config_path, "w", encoding="utf-8") as out:
        out.write(tinyproxy_config(host, port, args.user, args.password))

    # -d: stay in the foreground, so this wrapper owns the process.
    child = subprocess.Popen([binary, "-d", "-c", config_path], stdin=subprocess.DEVNULL)
    deadline = time.monotonic() + 10
    while not accepts(host, port):
        if child.poll() is not None:
            return fail("tinyproxy ended with code %d (see %s)" % (child.returncode, log_path))
        if time.monotonic() > deadline:
            child.kill()
            return fail("tinyproxy does not accept connections on %s" % args.listen)
        time.sleep(0.05)
    if args.ready:
        write_atomically(args.ready, "ok\n")

    end = time.monotonic() + args.lifetime
    while time.monotonic() < end and child.poll() is None:
        if args.stop and os.path.exists(args.stop):
            break
        time.sleep(0.05)
    if child.poll() is None:
        child.terminate()
        try:
            child.wait(timeout=5)
        except subprocess.TimeoutExpired:
            child.kill()
            child.wait()
    if args.ready:
        try:
            os.remove(args.ready)
        except OSError:
            pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
