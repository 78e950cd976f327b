"""Lays out a Vantrel installation in a scratch folder for one test."""
import os
import shutil
import tempfile

COMPLETE_CFG = (
    '[SELF]\r\nversion="1.3"\r\n'
    '[UPDATE]\r\nhttpServer="http://127.0.0.2"\r\nhttpPath="/upd/"\r\nconfFile="update.ini"\r\n'
    'updatePath="prod{sep}"\r\n'
    '[PRODUCT]\r\nname="Demo"\r\ntaskID="demo.exe"\r\npath="prod{sep}"\r\nvermanager="demo.exe"\r\n'
    'taskShutdown=""\r\ntoStart="demo.exe"\r\n'
    '[INI]\r\npath="state{sep}"\r\nfileName="demo.ini"\r\n'
)


class Installation:
    """A program folder with a copy of the executable and a private temp dir."""

    def __init__(self, program, extra_files=()):
        self.root = tempfile.mkdtemp(prefix='vantrel-e2e-')
        self.program_dir = os.path.join(self.root, 'program')
        self.temp_dir = os.path.join(self.root, 'temp')
        os.makedirs(self.program_dir)
        os.makedirs(self.temp_dir)
        self.program = os.path.join(self.program_dir, os.path.basename(program))
        shutil.copy2(program, self.program)
        for f in extra_files:
            shutil.copy2(f, self.program_dir)

    def write_cfg(self, text, name='vantrel.cfg'):
        with open(os.path.join(self.program_dir, name), 'wb') as f:
            f.write(text.encode('cp1252'))

    def logs(self, prefix):
        """Contents of the log files of `prefix` in the private temp dir, by name."""
        out = {}
        for root, _dirs, files in os.walk(self.temp_dir):
            for name in files:
                if name.startswith(prefix + '_') and name.endswith('.log'):
                    with open(os.path.join(root, name), 'rb') as f:
                        out[name] = f.read().decode('utf-8')
        return out

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)
