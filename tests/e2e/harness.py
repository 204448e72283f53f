"""End-to-end harness: roomsim.exe and verdelune.exe under Wine, driven with the real mouse and
keyboard (xdotool), seen through the simulator's event log and winprobe.exe. ctest gives the
programs and VL_E2E_OUT, the caller DISPLAY and Wine's variables (see scripts/test). Processes
are ended by their own ids, also on failure or SIGTERM; waits are bounded. Run as a script, it
lists the scenarios for ctest."""

import atexit
import contextlib
import ctypes
import functools
import os
import re
import shutil
import signal
import subprocess
import sys
import time
import unittest
from collections import namedtuple
from pathlib import Path

HERE = Path(__file__).resolve().parent
MAIN_TITLE = "Connexion à la room"
PANEL_TITLE = "Verdelune  - V 1.05"
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


class Window(namedtuple("Window", "depth hwnd cls enabled visible rect title")):
    """A window as winprobe describes it; depth 0 is the window a tree starts from."""

    @property
    def centre(self):
        return (self.rect[0] + self.rect[2]) // 2, (self.rect[1] + self.rect[3]) // 2


class Environment:
    """One test process's programs, and the display: its windows, its mouse and keyboard."""

    def __init__(self):
        if not os.environ.get("DISPLAY"):
            raise RuntimeError("no DISPLAY: run the tests through scripts/test, or start Xvfb")
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


class EventLog:
    """The simulator's event log, read as it grows: events are (ms, kind, details)."""

    def __init__(self, path):
        self.path, self.events, self._offset, self._partial = Path(path), [], 0, b""

    def refresh(self):
        with contextlib.suppress(FileNotFoundError), open(self.path, "rb") as f:
            f.seek(self._offset)
            chunk = f.read()
            self._offset += len(chunk)
            *lines, self._partial = (self._partial + chunk).split(b"\n")
            for ms, kind, *rest in (raw.decode("utf-8", "replace").split(" ", 2) for raw in lines):
                self.events.append((int(ms), kind, rest[0] if rest else ""))

    def mark(self):
        """An index to look from: the events logged from now on."""
        self.refresh()
        return len(self.events)

    def matching(self, kind, pattern=None, since=0):
        self.refresh()
        return [e for e in self.events[since:]
                if e[1] == kind and (pattern is None or re.search(pattern, e[2]))]

    def wait_for(self, kind, pattern=None, timeout=10.0, since=0):
        """The first event of `kind` whose details match `pattern`; AssertionError on time-out."""
        return wait(lambda: self.matching(kind, pattern, since), timeout,
                    f"'{kind}' event matching {pattern!r} in {self.path}", 0.05)[0]

    def absent_for(self, kind, pattern=None, seconds=1.0, since=0):
        """True when no such event comes within `seconds`."""
        time.sleep(seconds)
        return not self.matching(kind, pattern, since)


class RoomSim:
    """One roomsim.exe with its control file and event log in a folder of its own."""

    def __init__(self, env, name, *options):
        self.env, self.folder = env, env.out / name
        shutil.rmtree(self.folder, ignore_errors=True)
        self.folder.mkdir(parents=True)
        self.control, log = self.folder / "control.txt", self.folder / "events.log"
        args = ["wine", os.environ["VL_ROOMSIM"], "--control", wine_path(self.control), "--log",
                wine_path(log), *options]
        # Seen with a prefix that was just created: the first program sometimes gets no
        # display driver. A second start (same prefix, same display) has always worked.
        for timeout in (20, 40):
            self.log = EventLog(log)  # each start truncates it
            self.proc = env.spawn(args, self.folder, f"{name}-roomsim.out")
            with contextlib.suppress(AssertionError):
                ready = self.log.wait_for("ready", timeout=timeout)
                break
            env.stop(self.proc, grace=0)
        else:
            raise AssertionError(f"roomsim.exe logged no 'ready' in {log}")
        self.info = dict(pair.split("=", 1) for pair in ready[2].split())
        self.strip = int(self.info["strip_x"]), int(self.info["strip_y"])
        self.button_points = [tuple(map(int, point.split(":")))
                              for point in self.info["button_points"].split(",")]

    def send(self, *commands):
        with open(self.control, "a", encoding="utf-8", newline="\n") as f:
            f.writelines(command + "\n" for command in commands)

    def command(self, command, timeout=5.0):
        """Sends one command and waits until the simulator has read it, and not refused it: a
        scenario whose command is refused stages nothing and proves nothing."""
        since = self.log.mark()
        self.send(command)
        self.log.wait_for("control", "^" + re.escape(command) + "$", timeout, since)
        assert self.log.absent_for("error", None, 0.1, since), f"roomsim refused {command!r}"

    def users(self):
        return [u.replace("\\\\", "\\") for u in self.env.probe("list", self.info["list"])]

    def list_item_point(self, row):
        height = int(self.info["item_height"])
        return int(self.info["list_x"]) + 20, int(self.info["list_y"]) + row * height + height // 2

    def stop(self):
        if self.proc.poll() is None:
            self.send("quit")
        self.env.stop(self.proc, grace=5)


class Verdelune:
    """verdelune.exe, as `exe_name`, in a fresh folder with its data files and verdelune.ini;
    or, given `installed`, as it stands in that folder, with no settings file of ours."""

    def __init__(self, env, name, settings, exe_name="verdelune.exe", installed=None):
        self.env, self.folder = env, installed or env.out / name
        if not installed:
            self._install(settings, exe_name)
        self.proc = env.spawn(["wine", str(self.folder / exe_name)], self.folder,
                              f"{name}-verdelune.out")

    def _install(self, settings, exe_name):
        shutil.rmtree(self.folder, ignore_errors=True)
        self.folder.mkdir(parents=True)
        shutil.copy2(os.environ["VL_VERDELUNE"], self.folder / exe_name)
        for data in ("H_MOVE.CUR", "ding-dong1.wav"):
            shutil.copy2(HERE.parents[1] / "assets" / data, self.folder)
        ini = "".join(f"[{section}]\r\n" + "".join(f"{k}={v}\r\n" for k, v in keys.items())
                      for section, keys in settings.items())
        (self.folder / "verdelune.ini").write_bytes(ini.encode("cp1252"))  # as Windows writes it

    def stop(self):
        self.env.stop(self.proc, grace=0.5)


class Session:
    """A room simulator and a Verdelune beside it, with the usual settings."""

    def __init__(self, env, name, settings=None, room_options=(), installed=None):
        self.env, self.room = env, RoomSim(env, name, *room_options)
        self.log, settings = self.room.log, settings or {}
        self.vl = Verdelune(env, name + "-verdelune", {**settings, "Parametres": {
            "AffWarning": "N", "Pseudo RoomBot": "RoomBot", **settings.get("Parametres", {})}},
            installed=installed)

    def attach(self):
        """Connexion à la salle, the hand dragged onto the room's strip: the room's ident line."""
        since, env = self.log.mark(), self.env
        env.click_text(env.wait_window(MAIN_TITLE, 30, having="Connexion à la salle"),
                       "Connexion à la salle")
        label = wait(lambda: next((c for w in env.windows_titled(MAIN_TITLE)
                                   for c in env.controls(w)
                                   if c.title.startswith("Pour connecter la room")), None),
                     10, "the attach window's instructions")
        env.drag(label.centre, self.room.strip)
        return self.log.wait_for("chat", r"/msg RoomBot Verdelune\d{5}$", 10, since)

    def open_panel(self):
        self.attach()
        return self.env.wait_window(PANEL_TITLE)

    def ended(self, timeout):
        """True once verdelune.exe has ended; AssertionError after `timeout` seconds."""
        return wait(lambda: self.vl.proc.poll() is not None, timeout, "the end of verdelune.exe")

    def pick(self, nick, timeout=3):
        """The moderator double-clicks the user in the room's list; the capture takes the
        nickname, leaves "." in the room's input box and brings the panel back, restored."""
        since = self.log.mark()
        self.env.click(self.room.list_item_point(self.room.users().index(nick)), repeat=2)
        self.log.wait_for("input", r"^\.$", timeout, since)
        return wait(lambda: next((w for w in self.env.windows_titled(PANEL_TITLE)
                                  if w.rect[0] > -1000 and self.env.controls(w, nick)), None),
                    timeout, f"the panel back with the target {nick!r}")

    def stop(self):
        self.vl.stop()
        self.room.stop()


class SessionTest(unittest.TestCase):
    """A scenario with its own simulator and Verdelune, screenshotted and stopped at the end."""

    settings = None
    room_options = ()

    def setUp(self):
        self.env = environment()
        self.name = f"{type(self).__module__.removeprefix('test_')}-{self._testMethodName}"
        self.s = Session(self.env, self.name, self.settings, self.room_options)
        self.log, self.room = self.s.log, self.s.room

    def tearDown(self):
        try:
            self.shot("end")
        finally:
            self.s.stop()

    def shot(self, what):
        self.env.screenshot(f"{self.name}-{what}")

    def sent(self, line, since, timeout=5):
        """The moderator's line, as the room posted it."""
        return self.log.wait_for("chat", "Modo: " + re.escape(line) + "$", timeout, since)

    def menu(self, panel, *keys):
        """The panel's menu from the keyboard: the panel in front, Alt, then the keys."""
        self.env.click_text(panel, "Pseudo")
        self.env.xdotool("key", "alt")
        self.env.xdotool("key", *keys)


def watch_opens(path):
    """An inotify descriptor that reports the openings of the file (to see a sound played)."""
    libc = ctypes.CDLL("libc.so.6", use_errno=True)
    fd = libc.inotify_init1(os.O_NONBLOCK)
    if fd < 0 or libc.inotify_add_watch(fd, str(path).encode(), 0x20) < 0:  # IN_OPEN
        raise OSError(ctypes.get_errno(), "inotify")
    return fd


def opens(fd):
    """The openings reported since the last call (16 bytes each: a file's events have no name)."""
    with contextlib.suppress(BlockingIOError):
        return len(os.read(fd, 4096)) // 16
    return 0


if __name__ == "__main__":
    # For ctest: every scenario as module.Class.test_name, from unittest's own discovery. A
    # module that cannot be imported is listed whole, so that its ctest shows why.
    def ids(suite):
        for test in suite:
            yield from ids(test) if isinstance(test, unittest.TestSuite) else [test.id()]
    print(";".join(i.removeprefix("unittest.loader._FailedTest.")
                   for i in ids(unittest.defaultTestLoader.discover(str(HERE), "test_*.py"))))
