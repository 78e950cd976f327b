#!/usr/bin/env python3
"""Throughput of the checksum library on a 1 GiB file in the page cache,
beside `openssl dgst -md5` and `md5sum` on the same file. Prints MB/s
(10^6 bytes per second) and each figure as a ratio of OpenSSL's. The three
take turns, round after round, so that a busy machine slows them alike; the
best round shows what each reaches with the processor to itself, the median
what it reached typically."""
import ctypes
import os
import statistics
import subprocess
import sys
import time

SIZE = 1 << 30
ROUNDS = 7
TARGET = 0.95

build = os.environ.get('VANTREL_BUILD_DIR', os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'build'))
library_path = os.path.join(build, 'native', 'bin', 'libquillet.so')


def make_file(path):
    # Incompressible content, written in blocks; then read once so that it is
    # in the page cache for every run.
    with open(path, 'wb') as f:
        block = os.urandom(1 << 20)
        for i in range(SIZE >> 20):
            f.write(block[i % 7:] + block[:i % 7])
    with open(path, 'rb') as f:
        while f.read(1 << 24):
            pass


def timed(action):
    start = time.perf_counter()
    result = action()
    return time.perf_counter() - start, result


def main():
    library = ctypes.CDLL(library_path)
    library.quillet.restype = ctypes.c_char_p
    library.quillet.argtypes = [ctypes.c_char_p]

    folder = os.path.join(build, 'bench')
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, 'one_gib.bin')
    try:
        make_file(path)
        contenders = [
            ('Quillet (libquillet.so)', lambda: library.quillet(path.encode()).decode().lower()),
            ('openssl dgst -md5', lambda: subprocess.run(['openssl', 'dgst', '-md5', '-r', path], check=True,
                                                         capture_output=True, text=True).stdout.split()[0]),
            ('md5sum', lambda: subprocess.run(['md5sum', path], check=True, capture_output=True,
                                              text=True).stdout.split()[0]),
        ]
        times = {name: [] for name, _ in contenders}
        digests = {}
        for _, action in contenders:
            action()  # warm-up
        for _ in range(ROUNDS):
            for name, action in contenders:
                seconds, digest = timed(action)
                times[name].append(seconds)
                digests[name] = digest
    finally:
        if os.path.exists(path):
            os.remove(path)

    if len(set(digests.values())) != 1:
        print('the digests differ: %s' % digests)
        return 1
    best = {name: SIZE / min(t) / 1e6 for name, t in times.items()}
    median = {name: SIZE / statistics.median(t) / 1e6 for name, t in times.items()}
    openssl = 'openssl dgst -md5'
    print('MD5 of a 1 GiB file in the page cache, %d rounds' % ROUNDS)
    print('%-26s %10s %10s %12s %12s' % ('', 'best MB/s', 'median', 'best/OpenSSL', 'median/OpenSSL'))
    for name, _ in contenders:
        print('%-26s %10.1f %10.1f %12.3f %12.3f' % (name, best[name], median[name], best[name] / best[openssl],
                                                    median[name] / median[openssl]))
    quillet = contenders[0][0]
    ratio = best[quillet] / best[openssl]
    print('Quillet target, at least %.2f of OpenSSL (best rounds): %s' % (TARGET, 'met' if ratio >= TARGET else 'NOT met'))
    return 0


if __name__ == '__main__':
    sys.exit(main())
