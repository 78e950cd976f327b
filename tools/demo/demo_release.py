#!/usr/bin/env python3
"""The demo product and its release, for the update demo and the end-to-end tests.

The demo product is a small program that prints its name, its version and the
parameters it was given. A release is what the maker's server offers: the
descriptor update.ini, the change-log page and the archive update.zip (the new
product files and a pastUpdate.exe that leaves a mark and succeeds).

usage: demo_release.py RELEASE_DIR VERSION [--windows]  (writes the release and server.json)
"""
import json
import os
import sys
import zipfile

PRODUCT_SCRIPT = """#!/bin/sh
here=$(cd "$(dirname "$0")" && pwd)
echo "Demoprodukt $(head -n 1 "$here/version.txt") gestartet mit: [$*]"
printf '%s\\n' "$(head -n 1 "$here/version.txt")" "$*" > "$here/started.txt"
"""

PAST_UPDATE_SCRIPT = """#!/bin/sh
echo "pastUpdate: Daten der neuen Version eingerichtet"
exit 0
"""


def write_product(prod_dir, version):
    """The installed demo product (POSIX build)."""
    os.makedirs(prod_dir, exist_ok=True)
    with open(os.path.join(prod_dir, 'demo'), 'w') as f:
        f.write(PRODUCT_SCRIPT)
    os.chmod(os.path.join(prod_dir, 'demo'), 0o755)
    with open(os.path.join(prod_dir, 'version.txt'), 'w') as f:
        f.write(version + '\n')


def _script_entry(name, text):
    info = zipfile.ZipInfo(name, (2026, 12, 1, 12, 0, 0))
    info.external_attr = (0o100755 << 16)
    info.compress_type = zipfile.ZIP_DEFLATED
    return info, text.encode()


def write_release(release_dir, version, product='Demoprodukt', windows_files=None):
    """The descriptor, the change log and the archive. `windows_files` maps
    archive names to local files for a Windows release (its product and
    pastUpdate.exe are Windows programs)."""
    os.makedirs(release_dir, exist_ok=True)
    with open(os.path.join(release_dir, 'update.ini'), 'wb') as f:
        f.write(('[SELF]\r\nversion="1.1"\r\n[UPDATE]\r\nversion="%s"\r\nupdFile="update.zip"\r\n'
                 'date="01.12.2026"\r\nproduct="%s"\r\nchLogFile="changelog.htm"\r\n'
                 % (version, product)).encode('cp1252'))
    with open(os.path.join(release_dir, 'changelog.htm'), 'wb') as f:
        f.write(('<html><head><title>%s %s</title></head><body><h1>Neu in %s</h1><ul>'
                 '<li>Schnellerer Start</li><li>Gr&ouml;&szlig;ere Schrift in allen Fenstern</li>'
                 '<li>Fehler beim Drucken behoben</li></ul></body></html>\n'
                 % (product, version, version)).encode('cp1252'))
    with zipfile.ZipFile(os.path.join(release_dir, 'update.zip'), 'w', zipfile.ZIP_DEFLATED) as z:
        if windows_files:
            for name, path in windows_files.items():
                z.write(path, name)
            z.writestr('prod/version.txt', version + '\n')
        else:
            z.writestr(*_script_entry('prod/demo', PRODUCT_SCRIPT))
            z.writestr(*_script_entry('pastUpdate.exe', PAST_UPDATE_SCRIPT))
            z.writestr(zipfile.ZipInfo('prod/version.txt', (2026, 12, 1, 12, 0, 0)), version + '\n')
    routes = {'/demo/' + name: {'file': os.path.join(release_dir, name)}
              for name in ('update.ini', 'changelog.htm', 'update.zip')}
    with open(os.path.join(release_dir, 'server.json'), 'w') as f:
        json.dump({'routes': routes}, f, indent=2)
    return os.path.join(release_dir, 'server.json')


if __name__ == '__main__':
    write_release(sys.argv[1], sys.argv[2])
