"""Vantrel's start-up checks and wizard in the console build, driven through stdin."""
import datetime
import os
import subprocess
import sys
import time
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

STATE_MISSING = (
    '=== Fehler ===\n'
    'Die für das Update-Programm nötige INI-Datei konnte \n'
    'nicht gefunden werden.\n\n'
    'Das Update-Programm kann nicht fortgesetzt werden und wird \n'
    'deshalb nun beendet und das Hauptptogramm gestartet.\n'
    '[OK]\n'
)


def today(offset_days=0):
    return (datetime.date.today() + datetime.timedelta(days=offset_days)).strftime('%d.%m.%Y')


class LauncherConsole(unittest.TestCase):
    def setUp(self):
        self.inst = Installation(os.path.join(BIN, 'vantrel'))
        self.addCleanup(self.inst.remove)
        self.prod = os.path.join(self.inst.root, 'prod')
        self.state = os.path.join(self.inst.root, 'state')
        os.makedirs(self.prod)
        os.makedirs(self.state)
        self.args_file = os.path.join(self.inst.root, 'product-args')
        demo = os.path.join(self.prod, 'demo.exe')
        with open(demo, 'w') as f:
            f.write('#!/bin/sh\nfor a in "$@"; do printf "[%%s]\\n" "$a"; done > "%s.tmp"\n'
                    'mv "%s.tmp" "%s"\n' % (self.args_file, self.args_file, self.args_file))
        os.chmod(demo, 0o755)
        self.inst.write_cfg(CFG.format(prod=self.prod, state=self.state))

    def write_state(self, last_check, interval='30'):
        with open(os.path.join(self.state, 'demo.ini'), 'wb') as f:
            f.write(('[SELF]\r\nversion="1.2"\r\n[UPDATE]\r\nlastCheck="%s"\r\nupdateIntervall="%s"\r\n'
                     % (last_check, interval)).encode())

    def state_text(self):
        with open(os.path.join(self.state, 'demo.ini'), 'rb') as f:
            return f.read().decode('cp1252')

    def run_vantrel(self, *args, stdin=''):
        env = dict(os.environ, TMPDIR=self.inst.temp_dir)
        p = subprocess.run([self.inst.program, *args], input=stdin.encode(), capture_output=True,
                           cwd=self.inst.program_dir, env=env, timeout=30)
        self.assertEqual(p.returncode, 0, p.stderr)
        return p.stdout.decode('utf-8')

    def product_args(self, expect_started=True):
        for _ in range(100):
            if os.path.exists(self.args_file):
                break
            time.sleep(0.05)
        if not expect_started:
            time.sleep(0.3)
            self.assertFalse(os.path.exists(self.args_file), 'the product was started')
            return None
        self.assertTrue(os.path.exists(self.args_file), 'the product was not started')
        with open(self.args_file) as f:
            return f.read()

    def log(self):
        logs = self.inst.logs('vantrel')
        self.assertEqual(len(logs), 1, logs.keys())
        return next(iter(logs.values()))

    def test_no_check_due_starts_the_product_at_once(self):
        self.write_state(today(), '30')
        out = self.run_vantrel('/A', '/B')
        self.assertEqual(out, '')
        self.assertEqual(self.product_args(), '[ /a /B]\n')
        log = self.log()
        self.assertIn('Kein Updatebedarf... Programm wird direkt gestartet\r\n', log)
        # The download folder under the temporary directory was made.
        self.assertIn('HauptProgramm:> Variable localTempDir: %s/Zelmar/Demo/update/\r\n'
                      % os.path.realpath(self.inst.temp_dir), log.replace(self.inst.temp_dir, os.path.realpath(self.inst.temp_dir)))

    def test_a_missing_state_file_warns_and_starts_the_product(self):
        out = self.run_vantrel()
        self.assertEqual(out, STATE_MISSING)
        self.assertEqual(self.product_args(), '')
        self.assertIn('readLocalIni():> 3... INI-Datei nicht gefunden\r\n', self.log())

    def test_nostart_with_no_check_due_starts_nothing(self):
        self.write_state(today(), '7')
        self.assertEqual(self.run_vantrel('/upd:nostart'), '')
        self.product_args(expect_started=False)

    def test_interval_options(self):
        # Checked yesterday: every day is due, every 7 days is not; /upd:0 keeps the file's 1.
        for args, due in ((['/upd:1'], True), (['/upd:7'], False), (['/upd:0'], True), (['/upd:256'], True)):
            with self.subTest(args=args):
                self.write_state(today(-1), '1')
                if os.path.exists(self.args_file):
                    os.remove(self.args_file)
                out = self.run_vantrel(*args, stdin='abbrechen\n')
                self.assertEqual('*** Updateprogramm für Demo ***' in out, due, out)
                self.product_args()

    def test_leaving_the_wizard_starts_the_product(self):
        for stdin in ('abbrechen\n', 'b\n', 'esc\n', 'x\n', '', 'unbekannt\ne\nabbrechen\n'):
            with self.subTest(stdin=stdin):
                self.write_state(today(), '30')
                if os.path.exists(self.args_file):
                    os.remove(self.args_file)
                out = self.run_vantrel('/upd:force', '/x', stdin=stdin)
                self.assertTrue(out.startswith('*** Updateprogramm für Demo ***\n'
                                               'Schritt 1: [wartet] Suche nach aktuellem Update  ...\n'
                                               'Schritt 2: [wartet] Herunterladen des Updates  ...\n'
                                               'Schritt 3: [wartet] Einspielen des Updates  ...\n'), out)
                self.assertIn('wizard> ', out)
                self.assertEqual(self.product_args(), '[ /x]\n')

    def test_weiter_without_a_check_only_starts_the_product(self):
        self.write_state(today(-40), '30')
        self.run_vantrel('/upd:cancel', '/upd:force', stdin='weiter\n')
        self.assertEqual(self.product_args(), '')
        state = self.state_text()
        for line in ('lastSuccessfulAction="0"', 'localUpdateFile=""', 'productName=""'):
            self.assertIn(line, state)
        # No check was made: lastCheck is untouched.
        self.assertIn('lastCheck="%s"' % today(-40), state)
        self.assertIn('aktionMainweiter:> Aktionslevel: 1\r\n', self.log())

    def test_config_opens_the_wizard_even_when_no_check_is_due(self):
        self.write_state(today(), '30')
        # The configuration dialog comes first; once it is cancelled the wizard reads again.
        out = self.run_vantrel('/upd:config', stdin='abbrechen\nweiter\n')
        self.assertIn('*** Updateprogramm für Demo ***', out)
        self.assertIn('*** Konfiguration des Updateprogramms ***', out)
        self.assertEqual(self.product_args(), '')
        self.assertIn('lastSuccessfulAction="0"', self.state_text())

    def test_about_box(self):
        self.write_state(today(), '30')
        out = self.run_vantrel('/upd:force', stdin='f1\nabbrechen\n')
        year = datetime.date.today().year
        self.assertIn('=== About ===\nZelmar Update und Vantrel-Programm .\n\n'
                      'Copyright © 2007-%d Zelmar. Alle Rechte vorbehalten.\n[OK]\n' % year, out)


if __name__ == '__main__':
    unittest.main(verbosity=2)
