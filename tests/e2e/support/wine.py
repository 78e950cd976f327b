"""Running the Windows build under Wine and reading its windows through the driver."""
import os
import subprocess
import tempfile
import time


class Wine:
    def __init__(self, bin_dir):
        self.bin_dir = bin_dir
        self.driver = os.path.join(bin_dir, 'windriver.exe')
        self.env = dict(os.environ, WINEDEBUG='-all', WINEDLLOVERRIDES='mscoree,mshtml=')

    def start(self, program, *args, cwd=None, env=None):
        """Starts a Windows program; its output goes to files, never to a pipe
        (Wine's desktop process may keep a pipe open after the program ended)."""
        out = tempfile.TemporaryFile()
        full_env = dict(self.env, **(env or {}))
        proc = subprocess.Popen(['wine', program, *args], stdin=subprocess.DEVNULL, stdout=out,
                                stderr=subprocess.STDOUT, cwd=cwd, env=full_env)
        proc.output_file = out
        return proc

    @staticmethod
    def output(proc):
        proc.output_file.seek(0)
        data = proc.output_file.read()
        proc.output_file.close()
        return data

    def drive(self, *args, wait_ms=10000, timeout=60):
        """Runs the window driver, which first waits up to wait_ms for the
        window; returns (exit code, its UTF-8 output)."""
        with tempfile.TemporaryFile() as out:
            code = subprocess.call(['wine', self.driver, '-t', str(wait_ms), *args], stdin=subprocess.DEVNULL, stdout=out,
                                   stderr=subprocess.DEVNULL, env=self.env, timeout=timeout)
            out.seek(0)
            return code, out.read().decode('utf-8', 'replace')

    @staticmethod
    def wait(proc, timeout=60):
        deadline = time.time() + timeout
        while proc.poll() is None:
            if time.time() > deadline:
                proc.kill()
                raise AssertionError('the Windows program did not end in time')
            time.sleep(0.1)
        proc.output_file.close()
        return proc.returncode

    @staticmethod
    def windows_path(unix_path):
        """The same file as a Windows program sees it (Wine's Z: drive)."""
        return 'Z:' + unix_path.replace('/', '\\')
