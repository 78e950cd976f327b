"""The configuration dialog and the system information report in the Windows build under Wine."""
import datetime
import glob
import os
import shutil
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from support.install import Installation  # noqa: E402
from support.wine import Wine  # noqa: E402
from dialogs_console_test import REPORT_LABELS, unscramble  # noqa: E402

BIN = os.environ['VANTREL_BIN']
WIZARD = 'Updateprogramm für Demo'
DIALOG = 'Konfiguration des Updateprogramms'

CFG = (
    '[SELF]\r\nversion="1.3"\r\n'
    '[UPDATE]\r\nhttpServer="http://127.0.0.99"\r\nhttpPath="/upd/"\r\nconfFile="update.ini"\r\n'
    'updatePath="prod\\"\r\n'
    '[PRODUCT]\r\nname="Demo"\r\ntaskID="demo.exe"\r\npath="{prod}\\"\r\nvermanager="demo.exe"\r\n'
    'taskShutdown=""\r\ntoStart="demo.exe"\r\n'
    '[INI]\r\npath="{state}\\"\r\nfileName="demo.ini"\r\n'
)

# id: (class, text) of the dialog's controls as the window holds them.
DIALOG_CONTROLS = {
    4: ('Button', 'HTTP-Proxy-Einstellungen'), 5: ('Static', 'Proxy-Server:'), 14: ('Edit', 'proxy.local'),
    8: ('Static', 'Port:'), 11: ('Edit', '8080'), 6: ('Static', 'Benutzername:'), 13: ('Edit', 'anna'),
    7: ('Static', 'Passwort:'), 9: ('Button', 'Proxy-Server verwenden'),
    33: ('Button', 'Systemeinstellung verwenden'), 3: ('Static', 'Überprüfungs-Intervall:'),
    2: ('ComboBox', 'Alle 14 Tage'), 0: ('Button', '&OK'), 1: ('Button', 'A&bbrechen'),
}
PROXY_CONTROLS = (5, 8, 6, 7, 14, 11, 13, 12)


class DialogsWine(unittest.TestCase):
    def setUp(self):
        self.wine = Wine(BIN)
        self.inst = Installation(os.path.join(BIN, 'Vantrel.exe'))
        self.addCleanup(self.inst.remove)
        self.prod = os.path.join(self.inst.root, 'prod')
        self.state = os.path.join(self.inst.root, 'state')
        os.makedirs(self.prod)
        os.makedirs(self.state)
        shutil.copy2(os.path.join(BIN, 'record_args.exe'), os.path.join(self.prod, 'demo.exe'))
        self.inst.write_cfg(CFG.format(prod=Wine.windows_path(self.prod), state=Wine.windows_path(self.state)))

    def write_state(self, days_ago, proxy):
        last = (datetime.date.today() - datetime.timedelta(days=days_ago)).strftime('%d.%m.%Y')
        with open(os.path.join(self.state, 'demo.ini'), 'wb') as f:
            f.write(('[SELF]\r\nversion="1.2"\r\n[UPDATE]\r\nlastCheck="%s"\r\nupdateIntervall="14"\r\n'
                     '[INTERNET]\r\n%s' % (last, proxy)).encode('cp1252'))

    def state_value(self, key):
        with open(os.path.join(self.state, 'demo.ini'), 'rb') as f:
            for line in f.read().decode('cp1252').splitlines():
                name, _, value = line.partition('=')
                if name.strip() == key:
                    return value.strip().strip('"')
        return None

    def controls(self, title):
        code, out = self.wine.drive('controls', title)
        self.assertEqual(code, 0)
        rows = {}
        for line in out.splitlines():
            fields = line.split('\t')
            rows[int(fields[0])] = fields[1:]
        return rows

    def test_dialog_from_the_command_line_stores_what_was_typed(self):
        self.write_state(0, 'useProxy="yes"\r\nproxyServer="proxy.local"\r\nproxyPort="8080"\r\n')
        proc = self.wine.start(self.inst.program, '/upd:config')
        self.assertEqual(self.wine.drive('wait', DIALOG, wait_ms=30000)[0], 0)
        rows = self.controls(DIALOG)
        self.assertEqual(sorted(rows), sorted(list(DIALOG_CONTROLS) + [12]))
        for cid, (cls, text) in DIALOG_CONTROLS.items():
            if cid == 13:
                text = ''  # no user stored
            self.assertEqual((rows[cid][0].lower(), rows[cid][1]), (cls.lower(), text), cid)
        self.assertEqual(rows[9][3], 'checked')
        self.assertEqual(rows[33][3], 'unchecked')
        for cid in PROXY_CONTROLS:
            self.assertEqual(rows[cid][2], 'enabled', cid)

        # "Systemeinstellung verwenden" locks the eight proxy controls, and unlocks them again.
        self.assertEqual(self.wine.drive('click', DIALOG, '33')[0], 0)
        time.sleep(0.5)
        rows = self.controls(DIALOG)
        self.assertEqual(rows[33][3], 'checked')
        self.assertEqual([rows[c][2] for c in PROXY_CONTROLS], ['disabled'] * 8)
        self.assertEqual(self.wine.drive('click', DIALOG, '33')[0], 0)
        time.sleep(0.5)
        rows = self.controls(DIALOG)
        self.assertEqual([rows[c][2] for c in PROXY_CONTROLS], ['enabled'] * 8)

        for cid, text in ((14, 'cache.intern'), (11, '3128'), (13, 'Müller'), (12, 'gehe!m')):
            self.assertEqual(self.wine.drive('settext', DIALOG, str(cid), text)[0], 0)
        self.assertEqual(self.wine.drive('click', DIALOG, '0')[0], 0)
        self.assertEqual(self.wine.drive('gone', DIALOG)[0], 0)
        self.assertEqual(self.state_value('proxyServer'), 'cache.intern')
        self.assertEqual(self.state_value('proxyPort'), '3128')
        self.assertEqual(self.state_value('useProxy'), 'yes')
        self.assertEqual(self.state_value('updateIntervall'), '14')  # the custom entry, unchanged
        self.assertEqual(unscramble(self.state_value('proxyUser'), 'cache.intern'), 'Müller')
        self.assertEqual(unscramble(self.state_value('proxyPassword'), 'cache.intern'), 'gehe!m')
        # Back in the wizard, which takes its buttons again.
        self.assertEqual(self.wine.drive('click', WIZARD, '30')[0], 0)
        self.assertEqual(Wine.wait(proc), 0)

    def test_konfigurieren_then_escape_and_alt_o(self):
        self.write_state(0, 'useProxy="no"\r\nproxyServer=""\r\nproxyPort="0"\r\n')
        proc = self.wine.start(self.inst.program, '/upd:force')
        self.assertEqual(self.wine.drive('wait', WIZARD, wait_ms=30000)[0], 0)
        self.assertEqual(self.wine.drive('click', WIZARD, '26')[0], 0)
        self.assertEqual(self.wine.drive('wait', DIALOG)[0], 0)
        rows = self.controls(DIALOG)
        self.assertEqual([rows[c][2] for c in PROXY_CONTROLS], ['disabled'] * 8)
        self.assertEqual(rows[33][2], 'enabled')
        self.assertEqual(self.wine.drive('key', DIALOG, '27')[0], 0)  # Escape cancels
        self.assertEqual(self.wine.drive('gone', DIALOG)[0], 0)
        self.assertEqual(self.state_value('proxyServer'), '')

        self.assertEqual(self.wine.drive('click', WIZARD, '26')[0], 0)
        self.assertEqual(self.wine.drive('wait', DIALOG)[0], 0)
        self.assertEqual(self.wine.drive('click', DIALOG, '33')[0], 0)
        time.sleep(0.5)
        self.assertEqual(self.wine.drive('key', DIALOG, str(ord('O')), 'alt')[0], 0)  # Alt+O applies
        self.assertEqual(self.wine.drive('gone', DIALOG)[0], 0)
        self.assertEqual(self.state_value('proxyServer'), '***AUTO***')
        self.assertEqual(self.state_value('proxyPort'), '0')
        self.assertEqual(self.wine.drive('click', WIZARD, '30')[0], 0)
        self.assertEqual(Wine.wait(proc), 0)

    def test_system_report_twice_in_one_run(self):
        self.write_state(40, '')
        started = time.time()
        proc = self.wine.start(self.inst.program, '/upd:debug', '/p1')
        self.assertEqual(self.wine.drive('wait', WIZARD, wait_ms=30000)[0], 0)
        self.assertEqual(self.wine.drive('key', WIZARD, '113')[0], 0)  # F2
        time.sleep(2.5)  # the processor measurement takes a second
        self.assertEqual(self.wine.drive('click', WIZARD, '30')[0], 0)
        self.assertEqual(Wine.wait(proc), 0)
        # The log lies in the user's temporary folder inside the Wine prefix.
        prefix = os.environ.get('WINEPREFIX', os.path.expanduser('~/.wine'))
        logs = [p for p in glob.glob(os.path.join(prefix, 'drive_c', 'users', '*', 'Temp', 'Vantrel.exe_*.log'))
                if os.path.getmtime(p) >= started - 1]
        self.assertEqual(len(logs), 1, logs)
        with open(logs[0], 'rb') as f:
            log = f.read().decode('utf-8')
        self.assertEqual(log.count('-------------------------- SYSTEMINFO-START ---------------------------\r\n'), 2)
        self.assertEqual(log.count('-------------------------- SYSTEMINFO-ENDE ---------------------------\r\n\r\n'), 2)
        report = log.split('SYSTEMINFO-START')[1].split('SYSTEMINFO-ENDE')[0]
        lines = report.split('\r\n')
        at = 0
        for label in REPORT_LABELS:
            while at < len(lines) and not lines[at].startswith(label):
                at += 1
            self.assertLess(at, len(lines), label)
        self.assertIn('Programmname: ' + Wine.windows_path(self.inst.program), report)
        self.assertIn('    Vantrel.exe\r\n', report)
        self.assertRegex(report, r'C:\\ -> Typ: #DRIVE_FIXED, Größe: \d+MB, Frei: \d+MB, VolumeName: \'[^\']*\', '
                                 r'FileSystem: \'[^\']*\', Serial: [0-9A-F]+\r\n')
        self.assertRegex(report, r'Aktuelle Prozessorgeschwindigkeit: [1-9]\d*MHz')
        self.assertIn('Übergebene Programmparameter:\r\n', report)


if __name__ == '__main__':
    unittest.main(verbosity=2)
