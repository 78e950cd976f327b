"""Vantrel's start-up checks and wizard window in the Windows build under Wine."""
import datetime
import os
import shutil
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from support.install import Installation  # noqa: E402
from support.wine import Wine  # noqa: E402

BIN = os.environ['VANTREL_BIN']
TITLE = 'Updateprogramm für Demo'

CFG = (
    '[SELF]\r\nversion="1.3"\r\n'
    '[UPDATE]\r\nhttpServer="http://127.0.0.99"\r\nhttpPath="/upd/"\r\nconfFile="update.ini"\r\n'
    'updatePath="prod\\"\r\n'
    '[PRODUCT]\r\nname="Demo"\r\ntaskID="demo.exe"\r\npath="{prod}\\"\r\nvermanager="demo.exe"\r\n'
    'taskShutdown=""\r\ntoStart="demo.exe"\r\n'
    '[INI]\r\npath="{state}\\"\r\nfileName="demo.ini"\r\n'
)


class LauncherWine(unittest.TestCase):
    def setUp(self):
        self.wine = Wine(BIN)
        self.inst = Installation(os.path.join(BIN, 'Vantrel.exe'))
        self.addCleanup(self.inst.remove)
        self.prod = os.path.join(self.inst.root, 'prod')
        self.state = os.path.join(self.inst.root, 'state')
        os.makedirs(self.prod)
        os.makedirs(self.state)
        # The product: a program that records its arguments in its folder.
        shutil.copy2(os.path.join(BIN, 'record_args.exe'), os.path.join(self.prod, 'demo.exe'))
        self.inst.write_cfg(CFG.format(prod=Wine.windows_path(self.prod), state=Wine.windows_path(self.state)))

    def write_state(self, days_ago, interval):
        last = (datetime.date.today() - datetime.timedelta(days=days_ago)).strftime('%d.%m.%Y')
        with open(os.path.join(self.state, 'demo.ini'), 'wb') as f:
            f.write(('[SELF]\r\nversion="1.2"\r\n[UPDATE]\r\nlastCheck="%s"\r\nupdateIntervall="%d"\r\n'
                     % (last, interval)).encode())

    def product_args(self):
        path = os.path.join(self.prod, 'record_args.txt')
        for _ in range(200):
            if os.path.exists(path):
                time.sleep(0.2)
                with open(path) as f:
                    return f.read()
            time.sleep(0.05)
        self.fail('the product was not started')

    def test_no_check_due_starts_the_product_without_a_window(self):
        self.write_state(0, 30)
        proc = self.wine.start(self.inst.program, '/A', '/B')
        self.assertEqual(Wine.wait(proc), 0)
        self.assertEqual(self.product_args(), '[ /a /B]\n')

    def test_the_wizard_window_and_leaving_it(self):
        self.write_state(0, 30)
        proc = self.wine.start(self.inst.program, '/upd:force', '/x')
        code, title = self.wine.drive('wait', TITLE, wait_ms=30000)
        self.assertEqual(code, 0)
        self.assertEqual(title.strip(), TITLE)
        code, controls = self.wine.drive('controls', TITLE)
        rows = [line.split('\t') for line in controls.splitlines()]
        self.assertEqual([int(r[0]) for r in rows], [15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30])
        texts = {int(r[0]): r[2] for r in rows}
        self.assertEqual(texts[16], 'Durchzuführende Arbeiten')
        self.assertEqual(texts[18], 'Suche nach aktuellem Update')
        self.assertEqual(texts[21], '...')
        self.assertEqual((texts[25], texts[26], texts[30]), ('&Weiter', '&Konfigurieren', 'A&bbrechen'))
        self.assertEqual(self.wine.drive('click', TITLE, '30')[0], 0)
        self.assertEqual(Wine.wait(proc), 0)
        self.assertEqual(self.product_args(), '[ /x]\n')

    def test_escape_leaves_and_weiter_without_a_check_starts_the_product(self):
        for key_or_click in (('key', '27'), ('click', '25')):
            with self.subTest(how=key_or_click):
                self.write_state(40, 30)
                path = os.path.join(self.prod, 'record_args.txt')
                if os.path.exists(path):
                    os.remove(path)
                proc = self.wine.start(self.inst.program, '/upd:cancel', '/upd:force')
                self.assertEqual(self.wine.drive('wait', TITLE, wait_ms=30000)[0], 0)
                self.assertEqual(self.wine.drive(key_or_click[0], TITLE, key_or_click[1])[0], 0)
                self.assertEqual(Wine.wait(proc), 0)
                self.assertEqual(self.product_args(), '')
        with open(os.path.join(self.state, 'demo.ini'), 'rb') as f:
            self.assertIn(b'lastSuccessfulAction="0"', f.read())


if __name__ == '__main__':
    unittest.main(verbosity=2)
