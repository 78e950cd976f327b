"""The elevated copy installing a downloaded update, in the Windows build under Wine."""
import os
import shutil
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from support.install import Installation  # noqa: E402
from support.wine import Wine  # noqa: E402

BIN = os.environ['VANTREL_BIN']
IDOK = '1'

CFG = (
    '[SELF]\r\nversion="1.3"\r\n'
    '[UPDATE]\r\nhttpServer="http://127.0.0.99"\r\nhttpPath="/upd/"\r\nconfFile="update.ini"\r\n'
    'updatePath="prod\\"\r\n'
    '[PRODUCT]\r\nname="Demo"\r\ntaskID="demo.exe"\r\npath="{prod}\\"\r\nvermanager="demo.exe"\r\n'
    'taskShutdown=""\r\ntoStart="demo.exe"\r\n'
    '[INI]\r\npath="{state}\\"\r\nfileName="demo.ini"\r\n'
)


class Phase2Wine(unittest.TestCase):
    def test_installation_and_the_product_start(self):
        wine = Wine(BIN)
        inst = Installation(os.path.join(BIN, 'vantrelAdmin.exe'))
        self.addCleanup(inst.remove)
        prod = os.path.join(inst.program_dir, 'prod')
        state = os.path.join(inst.root, 'state')
        os.makedirs(prod)
        os.makedirs(state)
        shutil.copy2(os.path.join(BIN, 'record_args.exe'), os.path.join(prod, 'demo.exe'))
        shutil.copy2(os.path.join(BIN, 'record_args.exe'), os.path.join(inst.program_dir, 'pastUpdate.exe'))
        archive = os.path.join(inst.root, 'update.zip')
        shutil.copy2(os.path.join(BIN, 'fixtures', 'update.zip'), archive)
        inst.write_cfg(CFG.format(prod=Wine.windows_path(prod), state=Wine.windows_path(state)))
        with open(os.path.join(state, 'demo.ini'), 'wb') as f:
            f.write(('[SELF]\r\nversion="1.2"\r\n[UPDATE]\r\nupdateIntervall="30"\r\nlastSuccessfulAction="2"\r\n'
                     'localUpdateFile="%s"\r\nproductName="Demo"\r\n' % Wine.windows_path(archive)).encode())

        proc = wine.start(inst.program, '/upd:mode2', cwd=inst.program_dir)
        code, title = wine.drive('wait', 'Info', wait_ms=30000)
        self.assertEqual(code, 0)
        self.assertEqual(wine.drive('text', 'Info')[1],
                         'Demo wurde erfolgreich eingespielt. \r\n\r\nDas Update-Programm wird nun geschlossen\r\n'
                         'und Demo gestartet.')
        self.assertEqual(wine.drive('text', 'Updateprogramm für Demo', '23')[1],
                         '...  Updatedateien erfolgreich eingespielt')
        self.assertEqual(wine.drive('click', 'Info', IDOK)[0], 0)
        self.assertEqual(Wine.wait(proc), 0)
        for _ in range(100):
            if os.path.exists(os.path.join(prod, 'record_args.txt')):
                break
            time.sleep(0.05)
        self.assertTrue(os.path.exists(os.path.join(prod, 'record_args.txt')), 'the product was not started')
        self.assertTrue(os.path.isfile(os.path.join(prod, 'bin', 'app.dll')))
        self.assertTrue(os.path.isfile(os.path.join(prod, 'x', 'y.txt')))
        self.assertFalse(os.path.exists(os.path.join(inst.program_dir, 'pastUpdate.exe')))
        with open(os.path.join(state, 'demo.ini'), 'rb') as f:
            text = f.read()
        self.assertIn(b'lastSuccessfulAction="4"', text)
        self.assertIn(b'locPastUpdateExitCode="0"', text)


if __name__ == '__main__':
    unittest.main(verbosity=2)
