"""The console build of Quillview and its checksum library, driven through
their standard streams."""
import base64
import os
import pty
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from support.install import Installation  # noqa: E402

BIN = os.environ['VANTREL_BIN']
LIBRARY = os.path.join(BIN, 'libquillet.so')
WITHOUT_EXPORT = os.path.join(BIN, 'without_export')
ABC = '900150983CD24FB0D6963F7D28E17F72'
DIALOG = '*** Datei für md5-Berechnung angeben ***\n'


def information(path, checksum):
    return ('=== Information ===\nDatei:\n\n%s\n\nmd5-Wert:\n\n%s\n\n'
            'Die Daten befinden sich für die weitere Verwendung in der Zwischenablage.\n[OK]\n' % (path, checksum))


def error(path):
    return ("=== Fehler ===\nDatei: '%s' ist keine gültige Datei! MD5-Summe konnte nicht berechnet werden.\n"
            '[OK]\n' % path)


def clipboard_line(path, checksum):
    return '"%s"     md5:%s' % (path, checksum)


class ConsoleQuillview(unittest.TestCase):
    def setUp(self):
        self.inst = Installation(os.path.join(BIN, 'quillview'), extra_files=[LIBRARY])
        self.addCleanup(self.inst.remove)
        self.files = os.path.join(self.inst.root, 'files')
        os.makedirs(self.files)
        self.abc = os.path.join(self.files, 'a b.txt')
        with open(self.abc, 'wb') as f:
            f.write(b'abc')
        # Stand-ins for the desktop's clipboard tools: they record what they
        # were given.
        self.tools = os.path.join(self.inst.root, 'tools')
        os.makedirs(self.tools)
        self.env = {k: v for k, v in os.environ.items() if k not in ('DISPLAY', 'WAYLAND_DISPLAY', 'LD_LIBRARY_PATH')}
        self.env['PATH'] = self.tools + os.pathsep + os.environ.get('PATH', '/usr/bin:/bin')

    def add_tool(self, name):
        record = os.path.join(self.inst.root, name + '.record')
        script = os.path.join(self.tools, name)
        with open(script, 'w') as f:
            f.write('#!/bin/sh\nprintf "%%s\\n" "$@" > "%s.args"\ncat > "%s"\n' % (record, record))
        os.chmod(script, 0o755)
        return record

    def run_quillview(self, *args, stdin='', env=None, program=None):
        p = subprocess.run([program or self.inst.program, *args], input=stdin.encode(), capture_output=True,
                           cwd=self.files, env=dict(self.env, **(env or {})), timeout=30)
        self.assertEqual(p.returncode, 0)
        return p.stdout.decode('utf-8'), p.stderr.decode('utf-8')

    def test_the_checksum_is_shown_copied_and_sent_to_the_debugger_line(self):
        line = clipboard_line(self.abc, ABC)
        for tool, display, args in (('wl-copy', 'WAYLAND_DISPLAY', []),
                                    ('xclip', 'DISPLAY', ['-selection', 'clipboard']),
                                    ('xsel', 'DISPLAY', ['--clipboard', '--input'])):
            with self.subTest(tool=tool):
                shutil.rmtree(self.tools)
                os.makedirs(self.tools)
                record = self.add_tool(tool)
                out, err = self.run_quillview(self.abc, 'ignored', env={display: ':99'})
                self.assertEqual(out, information(self.abc, ABC))
                self.assertEqual(err, line + '\n')
                with open(record, 'rb') as f:
                    self.assertEqual(f.read().decode('utf-8'), line)
                with open(record + '.args') as f:
                    self.assertEqual(f.read().split('\n')[:-1], args or [''])

    def test_without_a_parameter_the_path_is_asked_for(self):
        cases = [
            ('chosen', 'a b.txt\n', 'datei> ' + information('a b.txt', ABC)),
            ('empty line asks again', '\n' + self.abc + '\n', 'datei> datei> ' + information(self.abc, ABC)),
            ('end of input cancels', '', 'datei> \n' + error('')),
            ('typed name of no file', 'nothing here.txt\n', 'datei> ' + error('nothing here.txt')),
        ]
        for name, stdin, expected in cases:
            with self.subTest(case=name):
                out, _ = self.run_quillview(stdin=stdin)
                self.assertEqual(out, DIALOG + expected)

    def test_no_file_with_content_gives_the_error_box_and_copies_nothing(self):
        record = self.add_tool('wl-copy')
        empty = os.path.join(self.files, 'empty')
        open(empty, 'wb').close()
        for path in (empty, os.path.join(self.files, 'missing'), self.files, self.files + '/'):
            with self.subTest(path=path):
                out, err = self.run_quillview(path, env={'WAYLAND_DISPLAY': 'wayland-0'})
                self.assertEqual(out, error(path))
                self.assertEqual(err, '')
                self.assertFalse(os.path.exists(record))

    def test_the_library_by_plain_name_first_then_beside_the_program(self):
        alone = os.path.join(self.inst.root, 'alone')
        os.makedirs(alone)
        program = os.path.join(alone, 'quillview')
        shutil.copy2(self.inst.program, program)
        cases = [
            ('nowhere', program, None, '=== Programmabbruch ===\nquillet.dll konnte nicht gefunden werden.\n[OK]\n'),
            ('by name only', program, BIN, information(self.abc, ABC)),
            ('beside the program only', self.inst.program, None, information(self.abc, ABC)),
            # The plain name wins: this one lacks the export, so the checksum is empty.
            ('by name before beside', self.inst.program, WITHOUT_EXPORT, information(self.abc, '')),
        ]
        for name, exe, library_path, expected in cases:
            with self.subTest(case=name):
                env = {'LD_LIBRARY_PATH': library_path} if library_path else {}
                out, _ = self.run_quillview(self.abc, env=env, program=exe)
                self.assertEqual(out, expected)

    def test_without_a_tool_the_terminal_gets_the_clipboard_escape(self):
        master, slave = pty.openpty()
        p = subprocess.Popen([self.inst.program, self.abc], stdin=subprocess.DEVNULL, stdout=slave,
                             stderr=subprocess.DEVNULL, env=self.env, cwd=self.files)
        os.close(slave)
        out = b''
        while True:
            try:
                chunk = os.read(master, 4096)
            except OSError:  # the terminal's other end closed
                break
            if not chunk:
                break
            out += chunk
        os.close(master)
        self.assertEqual(p.wait(timeout=30), 0)
        escape = b'\x1b]52;c;' + base64.b64encode(clipboard_line(self.abc, ABC).encode()) + b'\x07'
        self.assertIn(escape, out)
        self.assertIn(ABC.encode(), out.replace(escape, b''))


class ConsoleQuilletLibrary(unittest.TestCase):
    def test_only_the_one_symbol_is_exported(self):
        out = subprocess.run(['nm', '-D', '--defined-only', LIBRARY], capture_output=True, text=True,
                             check=True).stdout
        self.assertEqual([line.split()[-1] for line in out.splitlines() if line.strip()], ['quillet'])


if __name__ == '__main__':
    unittest.main(verbosity=2)
