"""A real update from end to end in the console build: the loopback server, phase 1,
the elevated copy and the product at its new version."""
import os
import shutil
import subprocess
import sys
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(HERE)), 'tools', 'demo'))
from demo_release import write_product, write_release  # noqa: E402
from support.install import Installation  # noqa: E402
from support.update_server import UpdateServer  # noqa: E402

BIN = os.environ['VANTREL_BIN']
ADDRESS = '127.0.0.70'

CFG = (
    '[SELF]\r\nversion="1.3"\r\n'
    '[UPDATE]\r\nhttpServer="http://%s"\r\nhttpPath="/demo/"\r\nconfFile="update.ini"\r\nupdatePath="./"\r\n'
    '[PRODUCT]\r\nname="Demoprodukt"\r\ntaskID="demo"\r\npath="prod/"\r\nvermanager="version.txt"\r\n'
    'taskShutdown=""\r\ntoStart="demo"\r\n'
    '[INI]\r\npath="{state}/"\r\nfileName="demo.ini"\r\n' % ADDRESS
)


class UpdateConsole(unittest.TestCase):
    def setUp(self):
        self.inst = Installation(os.path.join(BIN, 'vantrel'), [os.path.join(BIN, 'vantrelAdmin.exe')])
        self.addCleanup(self.inst.remove)
        self.prod = os.path.join(self.inst.program_dir, 'prod')
        self.state = os.path.join(self.inst.root, 'state')
        os.makedirs(self.state)
        write_product(self.prod, '1.0.0')
        self.inst.write_cfg(CFG.format(prod=self.prod, state=self.state))
        with open(os.path.join(self.state, 'demo.ini'), 'wb') as f:
            f.write(b'[SELF]\r\nversion="1.2"\r\n[UPDATE]\r\nupdateIntervall="7"\r\n')
        self.release = os.path.join(self.inst.root, 'release')

    def serve(self, version):
        server = UpdateServer(ADDRESS, write_release(self.release, version))
        self.addCleanup(server.stop)
        return server

    def run_vantrel(self, stdin, *args):
        env = dict(os.environ, TMPDIR=self.inst.temp_dir)
        env.pop('http_proxy', None)
        env.pop('HTTP_PROXY', None)
        p = subprocess.run([self.inst.program, *args], input=stdin.encode(), capture_output=True,
                           cwd=self.inst.program_dir, env=env, timeout=60)
        self.assertEqual(p.returncode, 0, p.stderr)
        return p.stdout.decode('utf-8')

    def started(self):
        path = os.path.join(self.prod, 'started.txt')
        for _ in range(200):
            if os.path.exists(path):
                time.sleep(0.1)
                return open(path).read().splitlines()
            time.sleep(0.05)
        return None

    def state_text(self):
        return open(os.path.join(self.state, 'demo.ini'), 'rb').read().decode('cp1252')

    def test_the_whole_update(self):
        server = self.serve('1.1.0')
        out = self.run_vantrel('weiter\nok\nj\n', '/Datei.txt')
        started = self.started()
        self.assertEqual(started, ['1.1.0', '  /datei.txt'], out)
        self.assertIn('Schritt 1: [erledigt] Suche nach aktuellem Update  ...  Updateinformationen gefunden', out)
        self.assertIn('+++ Update mit folgenden Änderungen gefunden +++\nDemoprodukt 1.1.0\n', out)
        self.assertIn('=== Frage ===\nIm Internet konnte ein Update mit der Version 1.1.0 gefunden werden.', out)
        self.assertEqual(server.requests(), ['/demo/update.ini', '/demo/changelog.htm', '/demo/update.zip'])
        for _ in range(100):
            if 'lastSuccessfulAction="4"' in self.state_text():
                break
            time.sleep(0.05)
        state = self.state_text()
        self.assertIn('lastSuccessfulAction="4"', state)
        self.assertIn('productName="Demoprodukt"', state)
        self.assertIn('locPastUpdateExitCode="0"', state)
        self.assertFalse(os.path.exists(os.path.join(self.inst.program_dir, 'pastUpdate.exe')))

    def test_up_to_date_and_declined(self):
        self.serve('1.0.0')
        out = self.run_vantrel('weiter\n')
        self.assertIn('=== Info ===\nIhr Programm ist auf dem aktuellen Stand.\n'
                      'Ein Update muss nicht durchgeführt werden.\n[OK]\n', out)
        self.assertEqual(self.started(), ['1.0.0', ''])
        os.remove(os.path.join(self.prod, 'started.txt'))
        write_release(self.release, '1.0.1')
        self.run_vantrel('weiter\nok\nn\n', '/upd:force')
        self.assertEqual(self.started(), ['1.0.0', ''])
        self.assertIn('lastSuccessfulAction="1"', self.state_text())

    def test_a_missing_descriptor(self):
        server = self.serve('1.1.0')
        os.remove(os.path.join(self.release, 'update.ini'))
        shutil.copy(os.path.join(self.release, 'server.json'), os.path.join(self.release, 'server.json.bak'))
        out = self.run_vantrel('weiter\n')
        self.assertIn('=== Fehler ===\nDie Konfigutationsdatei des Update-Servers konnte nicht gefunden werden.\n\n'
                      'Das Update kann nicht eingespielt werden. Das Updateprogramm wird nun beendet und\n'
                      'Demoprodukt  gestartet.\n[OK]\n', out)
        self.assertEqual(self.started(), ['1.0.0', ''])
        self.assertEqual(server.requests(), ['/demo/update.ini'])


if __name__ == '__main__':
    unittest.main(verbosity=2)
