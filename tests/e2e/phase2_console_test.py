"""The elevated copy installing a downloaded update, in the console build."""
import datetime
import os
import shutil
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from support.install import Installation  # noqa: E402

BIN = os.environ['VANTREL_BIN']
FIXTURES = os.path.join(BIN, 'fixtures')

CFG = (
    '[SELF]\r\nversion="1.3"\r\n'
    '[UPDATE]\r\nhttpServer="http://127.0.0.99"\r\nhttpPath="/upd/"\r\nconfFile="update.ini"\r\n'
    'updatePath="prod/"\r\n'
    '[PRODUCT]\r\nname="Demo"\r\ntaskID="demo.exe"\r\npath="{prod}/"\r\nvermanager="version.txt"\r\n'
    'taskShutdown=""\r\ntoStart="demo.exe"\r\n'
    '[INI]\r\npath="{state}/"\r\nfileName="demo.ini"\r\n'
)

SUCCESS = ('=== Info ===\nDemo wurde erfolgreich eingespielt. \n\n'
           'Das Update-Programm wird nun geschlossen\nund Demo gestartet.\n[OK]\n')


class Phase2Console(unittest.TestCase):
    def setUp(self):
        self.inst = Installation(os.path.join(BIN, 'vantrelAdmin.exe'))
        self.addCleanup(self.inst.remove)
        self.prod = os.path.join(self.inst.program_dir, 'prod')
        self.state = os.path.join(self.inst.root, 'state')
        os.makedirs(self.prod)
        os.makedirs(self.state)
        self.args_file = os.path.join(self.inst.root, 'product-args')
        self.write_script(os.path.join(self.prod, 'demo.exe'),
                          'for a in "$@"; do printf "[%%s]\\n" "$a"; done > "%s.tmp"; mv "%s.tmp" "%s"'
                          % (self.args_file, self.args_file, self.args_file))
        self.inst.write_cfg(CFG.format(prod=self.prod, state=self.state))
        self.archive = os.path.join(self.inst.root, 'update.zip')
        shutil.copy2(os.path.join(FIXTURES, 'update.zip'), self.archive)
        self.write_state(self.archive)

    @staticmethod
    def write_script(path, body):
        with open(path, 'w') as f:
            f.write('#!/bin/sh\n' + body + '\n')
        os.chmod(path, 0o755)

    def write_state(self, archive):
        with open(os.path.join(self.state, 'demo.ini'), 'wb') as f:
            f.write(('[SELF]\r\nversion="1.2"\r\n[UPDATE]\r\nlastCheck="01.01.2026"\r\nupdateIntervall="30"\r\n'
                     'lastSuccessfulAction="2"\r\nlocalUpdateFile="%s"\r\nproductName="Demo"\r\n' % archive).encode())

    def state_text(self):
        with open(os.path.join(self.state, 'demo.ini'), 'rb') as f:
            return f.read().decode('cp1252')

    def run_admin(self, *args, stdin=''):
        env = dict(os.environ, TMPDIR=self.inst.temp_dir)
        p = subprocess.run([self.inst.program, ' /a', '/upd:mode2', *args], input=stdin.encode(),
                           capture_output=True, cwd=self.inst.program_dir, env=env, timeout=60)
        self.assertEqual(p.returncode, 0, p.stderr)
        return p.stdout.decode('utf-8')

    def product_args(self):
        for _ in range(100):
            if os.path.exists(self.args_file):
                with open(self.args_file) as f:
                    return f.read()
            time.sleep(0.05)
        return None

    def test_a_successful_installation(self):
        past = os.path.join(self.inst.program_dir, 'pastUpdate.exe')
        self.write_script(past, 'exit 0')
        out = self.run_admin()
        self.assertIn('*** Updateprogramm für Demo ***', out)
        self.assertIn('Schritt 3: [erledigt] Einspielen des Updates  ...  Updatedateien erfolgreich eingespielt\n', out)
        self.assertIn(SUCCESS, out)
        # The first parameter of the elevated copy is lower-cased and gets a blank in front.
        self.assertEqual(self.product_args(), '[  /a]\n')
        self.assertTrue(os.path.isfile(os.path.join(self.prod, 'bin', 'app.dll')))
        self.assertTrue(os.path.isfile(os.path.join(self.prod, 'x', 'y.txt')))
        self.assertFalse(os.path.exists(os.path.join(self.inst.program_dir, 'outside.txt')))
        self.assertFalse(os.path.exists(past))
        state = self.state_text()
        today = datetime.date.today().strftime('%d.%m.%Y')
        for line in ('lastSuccessfulAction="4"', 'locPastUpdateExitCode="0"', 'lastUpdate="%s"' % today):
            self.assertIn(line, state)

    def test_the_after_update_program_fails_or_is_absent(self):
        cases = [('exit 5', '3', '5', True), (None, '3', '-1', False), ('', '3', '-1', False)]
        for body, phase, code, stays in cases:
            with self.subTest(body=body):
                past = os.path.join(self.inst.program_dir, 'pastUpdate.exe')
                if os.path.exists(past):
                    os.remove(past)
                if body == '':
                    open(past, 'w').close()  # an empty file counts as absent
                elif body is not None:
                    self.write_script(past, body)
                if os.path.exists(self.args_file):
                    os.remove(self.args_file)
                self.write_state(self.archive)
                out = self.run_admin()
                if body == 'exit 5':
                    self.assertIn('Fehlercode: 5\n\nDas Update-Programm wird nun geschlossen und \nDemo gestartet.', out)
                    self.assertNotIn('=== Info ===', out)
                else:
                    self.assertIn(SUCCESS, out)
                self.assertIsNotNone(self.product_args())
                state = self.state_text()
                self.assertIn('lastSuccessfulAction="%s"' % phase, state)
                self.assertIn('locPastUpdateExitCode="%s"' % code, state)
                self.assertEqual(os.path.exists(past), stays or body == '')

    def test_a_broken_archive_leaves_the_wizard_in_its_final_state(self):
        self.write_state(os.path.join(self.inst.root, 'missing.zip'))
        out = self.run_admin(stdin='w\ne\n')
        self.assertIn('=== Fehler ===\nBeim Einspielen des Updates ist ein Fehler aufgetreten! ', out)
        self.assertIn('Schritt 3: [fehlgeschlagen] Einspielen des Updates  ...\n', out)
        self.assertIn('Schaltfläche Beenden: aktiv\n', out)
        self.assertEqual(self.product_args(), '[  /a]\n')
        self.assertIn('lastSuccessfulAction="2"', self.state_text())

    def test_nostart_installs_and_starts_nothing(self):
        out = self.run_admin('/upd:nostart')
        self.assertIn('=== Info ===\nDemo wurde erfolgreich eingespielt. \n\nDas Update-Programm wird nun geschlossen.\n[OK]\n', out)
        time.sleep(0.3)
        self.assertIsNone(self.product_args())


if __name__ == '__main__':
    unittest.main(verbosity=2)
