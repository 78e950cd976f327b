"""The loopback update server of tools/update_server, run for one test."""
import os
import subprocess
import sys
import tempfile
import time

TOP = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
SERVER = os.path.join(TOP, 'tools', 'update_server', 'server.py')


class UpdateServer:
    def __init__(self, address, config):
        self.dir = tempfile.mkdtemp(prefix='vantrel-server-')
        self.ready = os.path.join(self.dir, 'ready')
        self.stop_file = os.path.join(self.dir, 'stop')
        self.log = os.path.join(self.dir, 'requests.log')
        self.proc = subprocess.Popen(
            [sys.executable, SERVER, '--listen', address + ':80', '--config', config, '--log', self.log,
             '--ready', self.ready, '--stop', self.stop_file, '--lifetime', '300'],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(200):
            if os.path.exists(self.ready) and open(self.ready).read().strip():
                break
            time.sleep(0.05)
        status = open(self.ready).read().strip() if os.path.exists(self.ready) else 'no answer'
        if status != 'ok':
            self.stop()
            raise RuntimeError('update server did not start: ' + status)

    def requests(self):
        if not os.path.exists(self.log):
            return []
        return [line.split()[2] for line in open(self.log) if line.startswith('request ')]

    def stop(self):
        open(self.stop_file, 'w').close()
        try:
            self.proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
