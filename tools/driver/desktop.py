"""The desktop that the journeys, the demo, the benchmark and the soak drive: programs under
Wine started and ended by their own ids (also on failure or SIGTERM), their windows seen through
winprobe.exe, the real mouse and keyboard through xdotool. The caller gives DISPLAY, Wine's
variables, VL_WINPROBE and VL_E2E_OUT (see scripts/test); waits are bounded."""

import atexit
import functools
import os
import re
import signal
import subprocess
import sys
import time
from collections import namedtuple
from pathlib import Path

WINDOW = re.compile(r"(?:(\d+) )?hwnd=(\d+) class=(\S*) enabled=(\d) visible=(\d) rect=(\S+) "
                    r"title=(.*)")


def wine_path(path):
    """The Wine view (drive Z:) of a Linux path."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def wait(condition, timeout, what, step=0.1):
    """The first true value of condition(); AssertionError after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise AssertionError(f"{what}: not within {timeout} s")
        time.sleep(step)
    return value


def proc_sample(pid):
    """(resident kB, CPU seconds) of a process. Under Wine, the pid `wine X.exe` was started
    with is X's own process: its memory is the Windows program's, Wine's own code included."""
    status = Path(f"/proc/{pid}/status").read_text()
    rss = int(re.search(r"VmRSS:\s+(\d+)", status).group(1))
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    ticks = int(fields[11]) + int(fields[12])  # utime + stime
    return rss, ticks / 100.0


class Window(namedtuple("Window", "depth hwnd cls enabled visible rect title")):
    """A window as winprobe describes it; depth 0 is the window a tree starts from."""

    @property
    def centre(self):
        return (self.rect[0] + self.rect[2]) // 2, (self.rect[1] + self.rect[3]) // 2


class Environment:
    """One test process's programs, and the display: its windows, its mouse and keyboard."""

    def __init__(self):
        if not os.environ.get("DISPLAY"):
            raise RuntimeError("no DISPLAY: run through scripts/test or scripts/demo, or start "
                               "Xvfb")
        # The virtual desktop's journeys run in a prefix of their own (see scripts/test).
        desktop = os.environ.get("VL_E2E_DESKTOP")
        if desktop and not os.environ.get("VL_WINEPREFIX_DESKTOP"):
            raise RuntimeError("no VL_WINEPREFIX_DESKTOP: run the tests through scripts/test")
        if desktop:
            os.environ["WINEPREFIX"] = os.environ["VL_WINEPREFIX_DESKTOP"]
        self.out = Path(os.environ["VL_E2E_OUT"]) / ("vd" if desktop else "")
        self.out.mkdir(parents=True, exist_ok=True)
        self._processes = set()
        atexit.register(self.close)
        # SIGTERM (an interrupted demo) unwinds through the `finally` blocks and close().
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))

    def spawn(self, args, cwd, log_name):
        """Starts a process, its output in `log_name`, and keeps it to end it by its own pid."""
        with open(self.out / log_name, "wb") as out:
            proc = subprocess.Popen(args, cwd=cwd, stdout=out, stderr=subprocess.STDOUT,
                                    start_new_session=True)
        self._processes.add(proc)
        return proc

    def stop(self, proc, grace=3.0):
        """Waits up to `grace` seconds, then kills the process (of `wine X.exe`: X itself)."""
        try:
            proc.wait(timeout=grace)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait(timeout=5)
        self._processes.discard(proc)

    def close(self):
        for proc in list(self._processes):
            self.stop(proc, grace=0)

    def wine(self, exe, *args, timeout=30):
        """Runs a Windows console program; returns (status, stdout text)."""
        done = subprocess.run(["wine", str(exe), *map(str, args)], capture_output=True,
                              timeout=timeout)
        return done.returncode, done.stdout.decode("utf-8", "replace")

    def probe(self, *args):
        """winprobe.exe's output lines; [] when it failed (for instance: no such window)."""
        status, out = self.wine(os.environ["VL_WINPROBE"], *args)
        return out.splitlines() if status == 0 else []

    def windows(self, *args):
        return [Window(int(m[1] or 0), m[2], m[3], m[4] == "1", m[5] == "1",
                       tuple(map(int, m[6].split(","))), m[7])
                for m in map(WINDOW.match, self.probe(*args)) if m]

    def windows_titled(self, title):
        return [w for w in self.windows("top") if w.title == title]

    def controls(self, window, title=None):
        """The window's controls in tree order; with a title, the visible ones of that text."""
        found = [c for c in self.windows("tree", window.hwnd) if c.depth > 0]
        return found if title is None else [c for c in found if c.title == title and c.visible]

    def edits(self, window):
        return sorted((c for c in self.controls(window) if c.cls.lower() == "edit"),
                      key=lambda c: c.rect[1])

    def text(self, hwnd):
        """What the window itself says its text is (WM_GETTEXT), or None."""
        lines = self.probe("text", hwnd)
        return lines[0].replace("\\r", "\r").replace("\\n", "\n").replace("\\\\", "\\") \
            if lines else None

    def wait_window(self, title, timeout=10, having=None):
        """The visible top-level window titled `title` (holding a control `having`)."""
        return wait(lambda: next((w for w in self.windows_titled(title)
                                  if having is None or self.controls(w, having)), None),
                    timeout, f"window {title!r}")

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], check=True, timeout=20)

    def type(self, text):
        # Slowly: a letter missing from the keyboard map is typed through a key that xdotool
        # maps for the time of the delay; Wine, when busy, read it back unmapped after 30 ms.
        self.xdotool("type", "--delay", 100, text)

    def click(self, target, repeat=1):
        """A click on a window's centre or on a point."""
        self.xdotool("mousemove", *getattr(target, "centre", target))
        time.sleep(0.1)
        self.xdotool("click", "--repeat", repeat, "--delay", 80, 1)

    def click_text(self, window, title, timeout=5):
        self.click(wait(lambda: self.controls(window, title), timeout, f"control {title!r}")[0])

    def drag(self, start, end, steps=8):
        """The drag of the hand: press at start, move in steps, release at end."""
        self.xdotool("mousemove", *start)
        time.sleep(0.1)
        self.xdotool("mousedown", 1)
        for i in range(1, steps + 1):
            self.xdotool("mousemove", *(a + (b - a) * i // steps for a, b in zip(start, end)))
            time.sleep(0.06)
        time.sleep(0.25)  # at least two ticks of a 100 ms pointer watch over the target
        self.xdotool("mouseup", 1)

    def screenshot(self, name):
        path = self.out / f"{name}.png"
        subprocess.run(["import", "-window", "root", path], check=True, timeout=30)
        return path


@functools.cache
def environment():
    """The environment shared by the scenarios of one test process."""
    return Environment()
