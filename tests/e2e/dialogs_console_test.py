"""The configuration dialog and the system information report in the console build."""
import base64
import datetime
import hashlib
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from support.install import Installation  # noqa: E402

BIN = os.environ['VANTREL_BIN']

CFG = (
    '[SELF]\r\nversion="1.3"\r\n'
    '[UPDATE]\r\nhttpServer="http://127.0.0.99"\r\nhttpPath="/upd/"\r\nconfFile="update.ini"\r\n'
    'updatePath="prod/"\r\n'
    '[PRODUCT]\r\nname="Demo"\r\ntaskID="demo.exe"\r\npath="{prod}/"\r\nvermanager="version.txt"\r\n'
    'taskShutdown=""\r\ntoStart="demo.exe"\r\n'
    '[INI]\r\npath="{state}/"\r\nfileName="demo.ini"\r\n'
)

REPORT_LABELS = [
    'Systemdatum und -zeit: ', 'Programmname: ', 'Programmversion: ',
    'Aktuell gültiges Temporäres Verzeichnis: ', 'Aktuell eingeloggter User: ',
    'Aktuell aktiver User hat Adminrechte: ', 'Computername: ', 'Betriebssystem: ',
    'Arbeitsspeicher - Auslastung: ', 'Arbeitsspeicher - Vorhanden: ', 'Arbeitsspeicher - Verfügbar: ',
    'Auslagerungsdatei - Vorhanden: ', 'Auslagerungsdatei - Verfügbar: ', 'VirtuellerSpeicher - Vorhanden: ',
    'VirtuellerSpeicher - Verfügbar: ', 'Internet-Verbindung: ', 'Laufwerkstypen: ',
    'Aktuelle Prozessorgeschwindigkeit: ', 'Umgebungsvariablen: ', 'Übergebene Programmparameter:',
]


def unscramble(stored, server):
    """The plain text of a stored proxy credential: Base64, then RC4 keyed with MD5(server) in hex."""
    data = base64.b64decode(stored)
    key = hashlib.md5(server.encode('cp1252')).hexdigest().encode()
    s = list(range(256))
    j = 0
    for i in range(256):
        j = (j + s[i] + key[i % len(key)]) % 256
        s[i], s[j] = s[j], s[i]
    out = bytearray()
    i = j = 0
    for byte in data:
        i = (i + 1) % 256
        j = (j + s[i]) % 256
        s[i], s[j] = s[j], s[i]
        out.append(byte ^ s[(s[i] + s[j]) % 256])
    return out.decode('cp1252')


class DialogsConsole(unittest.TestCase):
    def setUp(self):
        self.inst = Installation(os.path.join(BIN, 'vantrel'))
        self.addCleanup(self.inst.remove)
        self.prod = os.path.join(self.inst.root, 'prod')
        self.state = os.path.join(self.inst.root, 'state')
        os.makedirs(self.prod)
        os.makedirs(self.state)
        demo = os.path.join(self.prod, 'demo.exe')
        with open(demo, 'w') as f:
            f.write('#!/bin/sh\nexit 0\n')
        os.chmod(demo, 0o755)
        self.inst.write_cfg(CFG.format(prod=self.prod, state=self.state))
        self.write_state(datetime.date.today().strftime('%d.%m.%Y'))

    def write_state(self, last_check):
        with open(os.path.join(self.state, 'demo.ini'), 'wb') as f:
            f.write(('[SELF]\r\nversion="1.2"\r\n[UPDATE]\r\nlastCheck="%s"\r\nupdateIntervall="14"\r\n'
                     '[INTERNET]\r\nuseProxy="no"\r\nproxyServer=""\r\nproxyPort="0"\r\n' % last_check).encode())

    def run_vantrel(self, *args, stdin=''):
        env = dict(os.environ, TMPDIR=self.inst.temp_dir)
        env.pop('DISPLAY', None)  # the log is not to be opened on a desktop
        p = subprocess.run([self.inst.program, *args], input=stdin.encode(), capture_output=True,
                           cwd=self.inst.program_dir, env=env, timeout=60)
        self.assertEqual(p.returncode, 0, p.stderr)
        return p.stdout.decode('utf-8')

    def state_value(self, key):
        with open(os.path.join(self.state, 'demo.ini'), 'rb') as f:
            for line in f.read().decode('cp1252').splitlines():
                name, _, value = line.partition('=')
                if name.strip() == key:
                    return value.strip().strip('"')
        return None

    def test_dialog_fields_are_typed_and_ok_stores_them(self):
        out = self.run_vantrel('/upd:config', stdin='server=ignored\nproxy=ja\nserver=cache.intern\nport=3128\n'
                                                    'user=anna\npassword=gehe!m\nintervall=1\nok\nabbrechen\n')
        self.assertIn('*** Konfiguration des Updateprogramms ***', out)
        self.assertIn('konfiguration> ', out)
        # At first proxy use is off: the fields are locked and take no input.
        first = out.split('konfiguration> ')[0]
        self.assertIn('Proxy-Server:   (server=) gesperrt', first)
        self.assertIn('[ ] Proxy-Server verwenden', first)
        self.assertIn('Überprüfungs-Intervall: Alle 14 Tage', first)
        self.assertNotIn('ignored', out)
        self.assertIn('Passwort: ******', out)  # masked
        self.assertIn('Überprüfungs-Intervall: Alle 12 Wochen', out)
        self.assertEqual(self.state_value('proxyServer'), 'cache.intern')
        self.assertEqual(self.state_value('proxyPort'), '3128')
        self.assertEqual(self.state_value('useProxy'), 'yes')
        self.assertEqual(self.state_value('updateIntervall'), '120')
        self.assertNotEqual(self.state_value('proxyUser'), 'anna')
        self.assertEqual(unscramble(self.state_value('proxyUser'), 'cache.intern'), 'anna')
        self.assertEqual(unscramble(self.state_value('proxyPassword'), 'cache.intern'), 'gehe!m')
        # After the dialog, the wizard reads its commands again.
        self.assertIn('wizard> ', out.split('konfiguration> ')[-1])

    def test_system_setting_and_escape_write_nothing(self):
        out = self.run_vantrel('/upd:config', stdin='system=ja\nproxy=ja\nesc\nabbrechen\n')
        self.assertIn('[x] Systemeinstellung verwenden', out)
        self.assertEqual(self.state_value('proxyServer'), '')
        self.assertEqual(self.state_value('updateIntervall'), '14')

    def test_konfigurieren_opens_it_and_system_setting_stores_auto(self):
        out = self.run_vantrel('/upd:force', stdin='konfigurieren\nsystem=ja\nok\nabbrechen\n')
        self.assertIn('*** Konfiguration des Updateprogramms ***', out)
        self.assertEqual(self.state_value('proxyServer'), '***AUTO***')
        self.assertEqual(self.state_value('proxyPort'), '0')
        self.assertEqual(self.state_value('updateIntervall'), '14')

    def test_two_requests_leave_two_complete_reports(self):
        self.write_state('01.01.2000')  # a check is due: the wizard opens
        self.run_vantrel('/upd:debug', 'erster', '', '/upd:force', stdin='f2\nabbrechen\n')
        logs = self.inst.logs('vantrel')
        self.assertEqual(len(logs), 1)
        log = next(iter(logs.values()))
        self.assertEqual(log.count('-------------------------- SYSTEMINFO-START ---------------------------\r\n'), 2)
        self.assertEqual(log.count('-------------------------- SYSTEMINFO-ENDE ---------------------------\r\n\r\n'), 2)
        report = log.split('SYSTEMINFO-START')[1].split('SYSTEMINFO-ENDE')[0]
        lines = report.split('\r\n')[1:-1]
        at = 0
        for label in REPORT_LABELS:  # every label, in order
            while at < len(lines) and not lines[at].startswith(label):
                at += 1
            self.assertLess(at, len(lines), label)
        self.assertIn('Programmname: ' + self.inst.program + '\r\n', report)
        self.assertIn('Betriebssystem: Linux ', report)
        self.assertIn(' laufende Prozesse gefunden: \r\n', report)
        self.assertIn('    vantrel\r\n', report)
        self.assertIn('    TMPDIR = ' + self.inst.temp_dir + '\r\n', report)
        # The pass-through parameters, each on a line of its own after four blanks.
        params = report.split('Übergebene Programmparameter:\r\n')[1].split('\r\n')[:-1]
        self.assertTrue(params and all(p.startswith('    ') for p in params), params)
        self.assertEqual([p.strip() for p in params if p.strip()], ['erster'])


if __name__ == '__main__':
    unittest.main(verbosity=2)
