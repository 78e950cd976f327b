"""The console build of Vantrel, driven through its standard streams."""
import os
import shutil
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from support.install import COMPLETE_CFG, Installation  # noqa: E402

BIN = os.environ['VANTREL_BIN']

HELP = (
    '=== Unterstützte Kommandozeilenparameter ===\n'
    '/? oder /help - Hilfe anzeigen\n'
    '/upd:cancel - Updateprüfung verhindert\n'
    '/upd:force - Updateprüfung erzwingen\n'
    '/upd:xxx - Updateprüfung alle xx Tage\n'
    '/upd:config - Konfigurationsdialog öffnen\n'
    '/upd:Debug - Systeminformationen anzeigen\n'
    '/upd:mode2 - einspielen des herunter geladenen Updates\n'
    '/upd:nostart - Zielanwendung nicht starten\n'
    '\n'
    'Beispiel: Vantrel /x /y /z /upd:force\n'
    '[OK]\n'
)

CFG_TAIL = '\n\nDas Update-Programm kann nicht fortgesetzt werden und \nwird deshalb nun beendet.\n[OK]\n'


class ConsoleVantrel(unittest.TestCase):
    def setUp(self):
        self.inst = Installation(os.path.join(BIN, 'vantrel'))
        self.addCleanup(self.inst.remove)
        # A product that would leave a mark if it were started.
        os.makedirs(os.path.join(self.inst.program_dir, 'prod'))
        marker = os.path.join(self.inst.root, 'started')
        demo = os.path.join(self.inst.program_dir, 'prod', 'demo.exe')
        with open(demo, 'w') as f:
            f.write('#!/bin/sh\ntouch "%s"\n' % marker)
        os.chmod(demo, 0o755)
        self.marker = marker

    def run_vantrel(self, *args, stdin=''):
        env = dict(os.environ, TMPDIR=self.inst.temp_dir)
        p = subprocess.run([self.inst.program, *args], input=stdin.encode(), capture_output=True,
                           cwd=self.inst.program_dir, env=env, timeout=30)
        return p.returncode, p.stdout.decode('utf-8'), p.stderr.decode('utf-8')

    def log_text(self):
        logs = self.inst.logs('vantrel')
        self.assertEqual(len(logs), 1, logs.keys())
        return next(iter(logs.values()))

    def test_help_box_is_shown_exactly(self):
        for request in ('/?', '/help', '/HELP', 'a/?b'):
            with self.subTest(request=request):
                self.inst.write_cfg(COMPLETE_CFG.format(sep='/'))
                code, out, _ = self.run_vantrel(request)
                self.assertEqual(code, 0)
                self.assertEqual(out, HELP)
                self.assertFalse(os.path.exists(self.marker))

    def test_unreadable_configuration_shows_its_box_and_starts_nothing(self):
        cases = [
            ('missing', None, '3... CFG-Datei nicht gefunden',
             'Die für das Update-Programm nötige Konfigurationsdatei \nkonnte nicht gefunden werden. '),
            ('too old', '[SELF]\r\nversion="1.2"\r\n', '2 ... falsche CFG-Zugriff',
             'Die für das Update-Programm nötige Konfigurationsdatei \n'
             'weist nicht die richtige Versionsnummer auf. '),
            ('incomplete', '[SELF]\r\nversion="1.3"\r\n', '1 ... Fehler bei CFG-Zugriff',
             'Beim Zugriff auf die Konfigurationsdatei des Update-Programms\nist ein Fehler aufgetreten. '),
            ('directory', 'DIR', '3... CFG-Datei nicht gefunden',
             'Die für das Update-Programm nötige Konfigurationsdatei \nkonnte nicht gefunden werden. '),
        ]
        for name, cfg, log_code, first in cases:
            with self.subTest(case=name):
                cfg_path = os.path.join(self.inst.program_dir, 'vantrel.cfg')
                if os.path.isdir(cfg_path):
                    os.rmdir(cfg_path)
                elif os.path.exists(cfg_path):
                    os.remove(cfg_path)
                if cfg == 'DIR':
                    os.mkdir(cfg_path)
                elif cfg is not None:
                    self.inst.write_cfg(cfg)
                code, out, _ = self.run_vantrel('/x')
                self.assertEqual(code, 0)
                self.assertEqual(out, '=== Fehler ===\n' + first + CFG_TAIL)
                self.assertFalse(os.path.exists(self.marker))
                log = self.log_text()
                self.assertIn('readLocalConfig():> Config-Datei zu finden unter: ' + cfg_path + '\r\n', log)
                self.assertIn('readLocalConfig():> ' + log_code + '\r\n', log)

    def test_a_readable_configuration_leads_on_to_the_state_file(self):
        self.inst.write_cfg(COMPLETE_CFG.format(sep='/'))
        code, out, _ = self.run_vantrel()
        self.assertEqual(code, 0)
        self.assertTrue(out.startswith('=== Fehler ===\nDie für das Update-Programm nötige INI-Datei'), out)
        log = self.log_text()
        self.assertTrue(log.startswith('readLocalConfig():> Config-Datei zu finden unter: '))
        self.assertIn('readLocalIni():> 3... INI-Datei nicht gefunden\r\n', log)
        self.assertTrue(log.endswith('\r\n'))

    def test_the_elevated_copy_writes_its_own_log(self):
        admin = os.path.join(self.inst.program_dir, 'vantrelAdmin.exe')
        shutil.copy2(os.path.join(BIN, 'vantrelAdmin.exe'), admin)
        env = dict(os.environ, TMPDIR=self.inst.temp_dir)
        subprocess.run([admin], capture_output=True, env=env, timeout=30, check=True)
        self.assertEqual(len(self.inst.logs('vantrelAdmin.exe')), 1)
        self.assertEqual(len(self.inst.logs('vantrel')), 0)


if __name__ == '__main__':
    unittest.main(verbosity=2)
