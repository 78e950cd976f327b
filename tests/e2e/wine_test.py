"""The Windows build of Vantrel under Wine, driven through its real windows."""
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from support.install import Installation  # noqa: E402
from support.wine import Wine  # noqa: E402

BIN = os.environ['VANTREL_BIN']
OBJDUMP = os.environ.get('VANTREL_OBJDUMP', 'objdump')
IDOK = '1'

HELP_TEXT = (
    '/? oder /help - Hilfe anzeigen\r\n'
    '/upd:cancel - Updateprüfung verhindert\r\n'
    '/upd:force - Updateprüfung erzwingen\r\n'
    '/upd:xxx - Updateprüfung alle xx Tage\r\n'
    '/upd:config - Konfigurationsdialog öffnen\r\n'
    '/upd:Debug - Systeminformationen anzeigen\r\n'
    '/upd:mode2 - einspielen des herunter geladenen Updates\r\n'
    '/upd:nostart - Zielanwendung nicht starten\r\n\r\n'
    'Beispiel: Vantrel /x /y /z /upd:force\r\n'
)


class WineVantrel(unittest.TestCase):
    def setUp(self):
        self.wine = Wine(BIN)

    def answer_box(self, title_part, proc):
        code, title = self.wine.drive('wait', title_part, wait_ms=30000)
        self.assertEqual(code, 0, 'no window titled ' + title_part)
        code, text = self.wine.drive('text', title_part)
        self.assertEqual(code, 0)
        self.assertEqual(self.wine.drive('click', title_part, IDOK)[0], 0)
        self.assertEqual(Wine.wait(proc), 0)
        return title.rstrip('\n'), text

    def test_help_box(self):
        proc = self.wine.start(os.path.join(BIN, 'Vantrel.exe'), '/?')
        title, text = self.answer_box('Kommandozeilenparameter', proc)
        self.assertEqual(title, 'Unterstützte Kommandozeilenparameter')
        self.assertEqual(text, HELP_TEXT)

    def test_missing_configuration_shows_the_error_box(self):
        inst = Installation(os.path.join(BIN, 'Vantrel.exe'))
        self.addCleanup(inst.remove)
        proc = self.wine.start(inst.program, '/x')
        title, text = self.answer_box('Fehler', proc)
        self.assertEqual(title, 'Fehler')
        self.assertEqual(text, 'Die für das Update-Programm nötige Konfigurationsdatei \r\n'
                               'konnte nicht gefunden werden. \r\n\r\n'
                               'Das Update-Programm kann nicht fortgesetzt werden und \r\n'
                               'wird deshalb nun beendet.')


class WindowsDeliverables(unittest.TestCase):
    def imports(self, exe):
        out = subprocess.run([OBJDUMP, '-p', os.path.join(BIN, exe)], capture_output=True, text=True,
                             check=True).stdout
        return [line.split(':', 1)[1].strip() for line in out.splitlines() if 'DLL Name:' in line]

    def test_programs_need_no_runtime_dlls(self):
        for exe in ('Vantrel.exe', 'vantrelAdmin.exe'):
            dlls = self.imports(exe)
            self.assertTrue(dlls, exe)
            runtime = [d for d in dlls if d.lower().startswith('lib') or 'pthread' in d.lower()]
            self.assertEqual(runtime, [], exe)

    def test_only_the_elevated_copy_asks_for_administrator_rights(self):
        with open(os.path.join(BIN, 'vantrelAdmin.exe'), 'rb') as f:
            self.assertIn(b'requireAdministrator', f.read())
        with open(os.path.join(BIN, 'Vantrel.exe'), 'rb') as f:
            self.assertNotIn(b'requireAdministrator', f.read())

    def test_gui_subsystem(self):
        out = subprocess.run([OBJDUMP, '-p', os.path.join(BIN, 'Vantrel.exe')], capture_output=True,
                             text=True, check=True).stdout
        self.assertRegex(out, r'Subsystem\s+00000002')


if __name__ == '__main__':
    unittest.main(verbosity=2)
