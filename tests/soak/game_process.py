"""The game under test: started in its folder with the sanitizers writing reports into files, its windows found
through the process id, its end and its reports observed."""
import glob
import os
import subprocess
import time

from game_files import Failure

TITLE = "Dreizehner V5.1 by Mirav"


def xdotool(*words, timeout=10):
    """Output of an xdotool call; empty when it fails or waits too long (a window may vanish at any moment, and
    one that is disabled never becomes active). Whether the game still answers is the ping's to judge."""
    try:
        result = subprocess.run(["xdotool", *map(str, words)], capture_output=True, text=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        return ""
    return result.stdout if result.returncode == 0 else ""


class GameProcess:
    def __init__(self, build, folder, reports):
        self.program = os.path.join(build, "dreizehner")
        self.folder = folder
        self.reports = reports
        os.makedirs(reports, exist_ok=True)
        self.log = os.path.join(os.path.dirname(folder), "game.log")
        self.process = None
        self.main_window = None

    def start(self):
        env = dict(os.environ)
        env["ASAN_OPTIONS"] = f"halt_on_error=1:detect_leaks=0:log_path={self.reports}/asan"
        env["UBSAN_OPTIONS"] = f"halt_on_error=1:print_stacktrace=1:log_path={self.reports}/ubsan"
        with open(self.log, "ab") as log:
            self.process = subprocess.Popen([self.program], cwd=self.folder, env=env, stdout=log,
                                            stderr=subprocess.STDOUT)
        self.main_window = None
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline and self.main_window is None:
            if self.process.poll() is not None:
                raise Failure(f"the game ended at its start with status {self.process.returncode}")
            found = self.windows(TITLE)
            self.main_window = found[0] if found else None
            time.sleep(0.1)
        if self.main_window is None:
            raise Failure("the game's main window did not appear within 30 s")
        time.sleep(0.5)

    def windows(self, title=None):
        """The game's visible windows (of any title, or of `title`), oldest first."""
        words = ["search", "--onlyvisible", "--pid", self.process.pid]
        if title:
            words += ["--name", f"^{title}$"]
        return [int(w) for w in xdotool(*words).split()]

    def other_windows(self):
        return [w for w in self.windows() if w != self.main_window]

    def exit_status(self, wait=0.0):
        """The exit status once the game has ended (waiting up to `wait` seconds), None while it runs."""
        deadline = time.monotonic() + wait
        while True:
            status = self.process.poll()
            if status is not None or time.monotonic() >= deadline:
                return status
            time.sleep(0.05)

    def sanitizer_report(self):
        texts = []
        for report in sorted(glob.glob(os.path.join(self.reports, "*"))):
            with open(report, errors="replace") as f:
                texts.append(f"{report}:\n{f.read()}")
        return "\n".join(texts)

    def log_tail(self, lines=30):
        try:
            with open(self.log, errors="replace") as f:
                return "".join(f.readlines()[-lines:])
        except OSError:
            return ""

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
