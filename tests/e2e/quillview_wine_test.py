"""The Windows build of Quillview and quillet.dll under Wine, driven through
their real windows and the real clipboard."""
import contextlib
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from support.install import Installation  # noqa: E402
from support.wine import Wine  # noqa: E402

BIN = os.environ['VANTREL_BIN']
OBJDUMP = os.environ.get('VANTREL_OBJDUMP', 'objdump')
LIBRARY = os.path.join(BIN, 'quillet.dll')
WITHOUT_EXPORT = os.path.join(BIN, 'without_export', 'quillet.dll')
ABC = '900150983CD24FB0D6963F7D28E17F72'
IDOK, IDCANCEL = '1', '2'
DIALOG = 'md5-Berechnung angeben'
FILE_NAME_BOX = '1148'


def information(path, checksum):
    return ('Datei:\n\n%s\n\nmd5-Wert:\n\n%s\n\n'
            'Die Daten befinden sich für die weitere Verwendung in der Zwischenablage.' % (path, checksum))


def error(path):
    return "Datei: '%s' ist keine gültige Datei! MD5-Summe konnte nicht berechnet werden." % path


def clipboard_line(path, checksum):
    return '"%s"     md5:%s' % (path, checksum)


class WineQuillview(unittest.TestCase):
    def setUp(self):
        self.wine = Wine(BIN)
        self.inst = Installation(os.path.join(BIN, 'Quillview.exe'), extra_files=[LIBRARY])
        self.addCleanup(self.inst.remove)
        # The programs run in a folder without a library: the loader also
        # searches the current directory.
        self.files = os.path.join(self.inst.root, 'files')
        os.makedirs(self.files)
        self.abc = os.path.join(self.files, 'a b.txt')
        with open(self.abc, 'wb') as f:
            f.write(b'abc')
        self.empty = os.path.join(self.files, 'empty.txt')
        open(self.empty, 'wb').close()

    def start(self, *args, program=None, env=None):
        return self.wine.start(program or self.inst.program, *args, cwd=self.files, env=env)

    def close_box(self, title, proc):
        """Reads the box's text (and the clipboard while it is open), presses
        OK and waits for the program's end."""
        code, _ = self.wine.drive('wait', title, wait_ms=30000)
        self.assertEqual(code, 0, 'no window titled ' + title)
        code, text = self.wine.drive('text', title)
        self.assertEqual(code, 0)
        clip_code, clipboard = self.wine.drive('clipboard')
        self.assertEqual(self.wine.drive('click', title, IDOK)[0], 0)
        self.assertEqual(Wine.wait(proc), 0)
        return text, clipboard if clip_code == 0 else None

    def test_a_quoted_path_with_a_blank_gets_its_checksum_shown_and_copied(self):
        path = Wine.windows_path(self.abc)
        # Wine quotes the parameter with the blank on the command line.
        text, clipboard = self.close_box('Information', self.start(path, 'ignored'))
        self.assertEqual(text, information(path, ABC))
        self.assertEqual(clipboard, clipboard_line(path, ABC))

    def test_the_debugger_line(self):
        # Wine's debug channel shows what the program sends to a debugger.
        path = Wine.windows_path(self.abc)
        proc = self.start(path, env={'WINEDEBUG': '-all,+debugstr'})
        output = proc.output_file
        proc.output_file = open(os.devnull, 'rb')  # close_box closes this one
        self.close_box('Information', proc)
        output.seek(0)
        lines = [line for line in output.read().decode('utf-8', 'replace').splitlines() if 'OutputDebugStringA' in line]
        output.close()
        escaped = clipboard_line(path, ABC).replace('\\', '\\\\').replace('"', '\\"')
        self.assertEqual(len(lines), 1, lines)
        self.assertTrue(lines[0].endswith('OutputDebugStringA "%s"' % escaped), lines[0])

    def test_no_file_with_content_gives_the_error_box_and_the_clipboard_stays(self):
        path = Wine.windows_path(self.abc)
        _, before = self.close_box('Information', self.start(path))
        self.assertEqual(before, clipboard_line(path, ABC))
        for bad in (Wine.windows_path(self.empty), Wine.windows_path(self.files) + '\\missing.txt',
                    Wine.windows_path(self.files), 'C:\\', 'C:'):
            with self.subTest(path=bad):
                text, clipboard = self.close_box('Fehler', self.start(bad))
                self.assertEqual(text, error(bad))
                self.assertEqual(clipboard, before)

    def test_the_open_file_dialog(self):
        abc = Wine.windows_path(self.abc)
        missing = Wine.windows_path(self.files) + '\\not there.txt'
        cases = [
            ('cancelled', None, 'Fehler', error('')),
            ('chosen file', abc, 'Information', information(abc, ABC)),
            ('typed name of no file', missing, 'Fehler', error(missing)),
        ]
        for name, typed, title, expected in cases:
            with self.subTest(case=name):
                proc = self.start()
                code, shown = self.wine.drive('wait', DIALOG, wait_ms=30000)
                self.assertEqual(code, 0)
                self.assertEqual(shown.rstrip('\n'), 'Datei für md5-Berechnung angeben')
                if typed is None:
                    self.assertEqual(self.wine.drive('click', DIALOG, IDCANCEL)[0], 0)
                else:
                    self.assertEqual(self.wine.drive('settext', DIALOG, FILE_NAME_BOX, typed)[0], 0)
                    self.assertEqual(self.wine.drive('click', DIALOG, IDOK)[0], 0)
                text, _ = self.close_box(title, proc)
                self.assertEqual(text, expected)

    @contextlib.contextmanager
    def drive_t(self, library):
        """Maps Wine's drive T: to a scratch folder holding execute\\quillet.dll."""
        prefix = os.environ.get('WINEPREFIX', os.path.expanduser('~/.wine'))
        link = os.path.join(prefix, 'dosdevices', 't:')
        if os.path.lexists(link):
            self.skipTest('drive T: is in use in this Wine prefix')
        folder = tempfile.mkdtemp(prefix='quillview-t-')
        if library:
            os.makedirs(os.path.join(folder, 'execute'))
            shutil.copy2(library, os.path.join(folder, 'execute', 'quillet.dll'))
        os.symlink(folder, link)
        try:
            yield
        finally:
            os.remove(link)
            shutil.rmtree(folder, ignore_errors=True)

    def test_the_library_by_plain_name_first_then_from_drive_t(self):
        path = Wine.windows_path(self.abc)
        alone = os.path.join(self.inst.root, 'alone')
        os.makedirs(alone)
        shutil.copy2(self.inst.program, alone)
        alone_program = os.path.join(alone, 'Quillview.exe')
        beside = os.path.join(self.inst.root, 'beside')
        os.makedirs(beside)
        shutil.copy2(self.inst.program, beside)
        shutil.copy2(WITHOUT_EXPORT, beside)
        beside_program = os.path.join(beside, 'Quillview.exe')
        cases = [
            ('nowhere', alone_program, None, 'Programmabbruch', 'quillet.dll konnte nicht gefunden werden.'),
            ('drive T: only', alone_program, LIBRARY, 'Information', information(path, ABC)),
            # The one beside the program wins; it lacks the export, so the checksum is empty.
            ('beside and on T:', beside_program, LIBRARY, 'Information', information(path, '')),
        ]
        for name, program, on_t, title, expected in cases:
            with self.subTest(case=name), self.drive_t(on_t):
                text, clipboard = self.close_box(title, self.start(path, program=program))
                self.assertEqual(text, expected)
                if name == 'beside and on T:':
                    self.assertEqual(clipboard, clipboard_line(path, ''))


class WindowsChecksumDeliverables(unittest.TestCase):
    def objdump(self, name):
        return subprocess.run([OBJDUMP, '-p', os.path.join(BIN, name)], capture_output=True, text=True,
                              check=True).stdout

    def test_the_library_exports_exactly_the_plain_name(self):
        out = self.objdump('quillet.dll')
        table = out.split('[Ordinal/Name Pointer] Table', 1)[1].split('\n\n', 1)[0]
        names = [line.split(']', 1)[1].strip() for line in table.splitlines() if ']' in line]
        self.assertEqual(names, ['quillet'])

    def test_no_runtime_dlls_and_the_front_end_asks_for_administrator_rights(self):
        for name in ('quillet.dll', 'Quillview.exe'):
            dlls = [line.split(':', 1)[1].strip().lower() for line in self.objdump(name).splitlines()
                    if 'DLL Name:' in line]
            self.assertEqual([d for d in dlls if d.startswith('lib') or 'pthread' in d], [], name)
        self.assertRegex(self.objdump('Quillview.exe'), r'Subsystem\s+00000002')
        with open(os.path.join(BIN, 'Quillview.exe'), 'rb') as f:
            self.assertIn(b'level="requireAdministrator" uiAccess="false"', f.read())


if __name__ == '__main__':
    unittest.main(verbosity=2)
