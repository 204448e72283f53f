"""End-to-end harness: runs the room simulator and verdelune.exe under Wine on an X display,
drives them with the real mouse and keyboard (xdotool), watches the simulator's event log and
looks at windows from outside with winprobe.exe. Python 3 standard library only.

Paths come from the environment (ctest sets them, see CMakeLists.txt beside this file):
  VL_ROOMSIM, VL_WINPROBE, VL_VERDELUNE, VL_KIT  the Windows programs (may be missing)
  VL_E2E_OUT                                     the build folder for logs and screenshots
  WINEPREFIX                                     default ${TMPDIR:-/tmp}/verdelune-wine-$UID
  DISPLAY                                        used when set; otherwise an Xvfb of our own

Every process the harness starts is ended by its own process id (never `wineserver -k`: the
prefix may be shared), also when a scenario fails, and every wait is bounded.
"""

import atexit
import fcntl
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import time
import unittest
from pathlib import Path

SOURCE_DIR = Path(__file__).resolve().parents[2]


def env_path(name):
    value = os.environ.get(name, "")
    return Path(value) if value else None


def wine_path(path):
    """The Wine view (drive Z:) of a Linux path."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


class Environment:
    """The display and the Wine prefix shared by the scenarios of one run."""

    source_dir = SOURCE_DIR

    def __init__(self):
        self.out = env_path("VL_E2E_OUT") or Path(os.environ.get("TMPDIR", "/tmp")) / "vl-e2e"
        self.out.mkdir(parents=True, exist_ok=True)
        default_prefix = Path(os.environ.get("TMPDIR", "/tmp")) / f"verdelune-wine-{os.getuid()}"
        self.prefix = os.environ.get("WINEPREFIX") or str(default_prefix)
        self.env = dict(os.environ, WINEPREFIX=self.prefix, VL_WINEPREFIX=self.prefix,
                        WINEDEBUG=os.environ.get("WINEDEBUG", "-all"),
                        WINEDLLOVERRIDES=os.environ.get("WINEDLLOVERRIDES", "mscoree,mshtml="))
        self._xvfb = None
        self._processes = []
        atexit.register(self.close)
        # SIGTERM (an interrupted demo) unwinds through the `finally` blocks and close().
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
        if not self.env.get("DISPLAY"):
            self._start_xvfb()
        self._prepare_prefix()

    def _prepare_prefix(self):
        """Creates the prefix once, under the lock that scripts/lib/wine-env.sh uses, so that
        concurrent callers wait for the first one. Unlike vl_wine_prefix_ready, wineboot runs
        on our display: a prefix booted without one sometimes leaves its first program with
        no display driver ("The explorer process failed to start")."""
        prefix = Path(self.prefix)
        prefix.parent.mkdir(parents=True, exist_ok=True)
        with open(str(prefix) + ".lock", "w") as lock:
            fcntl.flock(lock, fcntl.LOCK_EX)
            if not (prefix / "system.reg").exists():
                subprocess.run(["wineboot", "-i"], env=self.env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, timeout=180)
                subprocess.run(["wineserver", "-w"], env=self.env, timeout=60)

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        self._xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
             "-nolisten", "tcp"], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(write_end)
        ready, _, _ = select.select([read_end], [], [], 20)
        number = os.read(read_end, 64).decode().strip() if ready else ""
        os.close(read_end)
        if not number:
            raise RuntimeError("Xvfb did not report its display within 20 s")
        self.env["DISPLAY"] = ":" + number

    def spawn(self, args, cwd=None, log_name=None):
        """Starts a process and keeps its Popen, so that it can be ended by its own pid."""
        out = open(self.out / log_name, "wb") if log_name else subprocess.DEVNULL
        proc = subprocess.Popen(args, cwd=cwd, env=self.env, stdout=out,
                                stderr=subprocess.STDOUT, start_new_session=True)
        if log_name:
            out.close()  # the child has its own copy
        self._processes.append(proc)
        return proc

    def stop(self, proc, grace=3.0):
        """Waits up to `grace` seconds for the process to end, then kills it (its own pid)."""
        try:
            proc.wait(timeout=grace)
        except subprocess.TimeoutExpired:
            proc.send_signal(signal.SIGKILL)
            try:
                proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                pass
        if proc in self._processes:
            self._processes.remove(proc)

    def close(self):
        for proc in list(self._processes):
            if proc.poll() is None:
                proc.send_signal(signal.SIGKILL)
            self.stop(proc, grace=0)
        if self._xvfb is not None:
            self._xvfb.terminate()
            try:
                self._xvfb.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self._xvfb.kill()
            self._xvfb = None
            # The prefix's desktop process lived on our display and dies with it; a next run
            # that starts before the prefix's wineserver is gone gets no display driver. Wait
            # (bounded) for it to go; nothing is killed.
            try:
                subprocess.run(["wineserver", "-w"], env=self.env, timeout=15)
            except subprocess.TimeoutExpired:
                pass

    # --- programs run to completion --------------------------------------------------------

    def wine(self, exe, *args, timeout=30):
        """Runs a Windows console program; returns (status, stdout text)."""
        done = subprocess.run(["wine", str(exe), *map(str, args)], env=self.env,
                              capture_output=True, timeout=timeout)
        return done.returncode, done.stdout.decode("utf-8", "replace")

    def probe(self, *args):
        """winprobe.exe's output lines; [] when it failed (for instance: no such window)."""
        status, out = self.wine(env_path("VL_WINPROBE"), *args)
        return out.splitlines() if status == 0 else []

    def kit_answer(self, challenge, level):
        """`verdelune-kit answer CHALLENGE LEVEL`, or None when the kit is not built."""
        kit = env_path("VL_KIT")
        if kit is None or not kit.exists():
            return None
        status, out = self.wine(kit, "answer", challenge, level)
        return out.strip() if status == 0 else None

    def start_roomsim(self, name, *options):
        return RoomSim(self, name, *options)

    def start_verdelune(self, settings=None, name="verdelune"):
        """verdelune.exe in a fresh folder, with `settings` as its verdelune.ini; None when
        it is not built (yet)."""
        return start_verdelune(self, name, settings)

    # --- mouse, keyboard, screen -----------------------------------------------------------

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True, timeout=10)

    def move(self, x, y):
        self.xdotool("mousemove", x, y)

    def click(self, x, y, repeat=1):
        self.move(x, y)
        time.sleep(0.1)
        self.xdotool("click", "--repeat", repeat, "--delay", 80, 1)

    def drag(self, start, end, steps=8, pause=0.06):
        """The drag of the hand: press at start, move in steps, release at end."""
        self.move(*start)
        time.sleep(0.1)
        self.xdotool("mousedown", 1)
        for i in range(1, steps + 1):
            self.move(start[0] + (end[0] - start[0]) * i // steps,
                      start[1] + (end[1] - start[1]) * i // steps)
            time.sleep(pause)
        time.sleep(0.25)  # at least two ticks of a 100 ms pointer watch over the target
        self.xdotool("mouseup", 1)

    def key_down(self, key="Scroll_Lock"):
        self.xdotool("keydown", key)

    def key_up(self, key="Scroll_Lock"):
        self.xdotool("keyup", key)

    def screenshot(self, name):
        path = self.out / f"{name}.png"
        subprocess.run(["import", "-display", self.env["DISPLAY"], "-window", "root", str(path)],
                       env=self.env, check=True, timeout=30)
        return path


class EventLog:
    """The simulator's event log, read as it grows: events are (ms, kind, details)."""

    def __init__(self, path):
        self.path = Path(path)
        self.events = []
        self._offset = 0
        self._partial = b""

    def refresh(self):
        if not self.path.exists():
            return
        with open(self.path, "rb") as f:
            f.seek(self._offset)
            chunk = f.read()
        self._offset += len(chunk)
        lines = (self._partial + chunk).split(b"\n")
        self._partial = lines.pop()
        for raw in lines:
            parts = raw.decode("utf-8", "replace").split(" ", 2)
            if len(parts) >= 2:
                self.events.append((int(parts[0]), parts[1], parts[2] if len(parts) > 2 else ""))

    def mark(self):
        """An index to wait from: events logged from now on."""
        self.refresh()
        return len(self.events)

    def find(self, kind, pattern=None, since=0):
        self.refresh()
        for event in self.events[since:]:
            if event[1] == kind and (pattern is None or re.search(pattern, event[2])):
                return event
        return None

    def wait_for(self, kind, pattern=None, timeout=10.0, since=0):
        """The first event of `kind` whose details match `pattern`; AssertionError on time-out."""
        deadline = time.monotonic() + timeout
        while True:
            event = self.find(kind, pattern, since)
            if event is not None:
                return event
            if time.monotonic() > deadline:
                raise AssertionError(f"no '{kind}' event matching {pattern!r} within {timeout} s "
                                     f"in {self.path}")
            time.sleep(0.05)

    def absent_for(self, kind, pattern=None, seconds=1.0, since=0):
        """True when no such event comes within `seconds`."""
        time.sleep(seconds)
        return self.find(kind, pattern, since) is None


class RoomSim:
    """One roomsim.exe with its control file and event log in a folder of its own."""

    def __init__(self, env, name, *options):
        self.env = env
        self.folder = env.out / name
        shutil.rmtree(self.folder, ignore_errors=True)
        self.folder.mkdir(parents=True)
        self.control = self.folder / "control.txt"
        self.log = EventLog(self.folder / "events.log")
        self.args = ["wine", str(env_path("VL_ROOMSIM")), "--control", wine_path(self.control),
                     "--log", wine_path(self.log.path), *options]
        self.name = name
        self.proc = None
        ready = self._start(timeout=20)
        if ready is None:
            # Seen with a prefix that was just created: the first program sometimes gets no
            # display driver. A second start (same prefix, same display) has always worked.
            ready = self._start(timeout=40)
        if ready is None:
            raise AssertionError(f"roomsim.exe logged no 'ready' in {self.log.path}")
        self.info = dict(pair.split("=", 1) for pair in ready[2].split())
        self.buttons = self.info["buttons"].split(",")

    def _start(self, timeout):
        if self.proc is not None:
            self.env.stop(self.proc, grace=0)
        self.log = EventLog(self.log.path)  # the new process truncates the log
        self.proc = self.env.spawn(self.args, cwd=self.folder, log_name=f"{self.name}-roomsim.out")
        try:
            return self.log.wait_for("ready", timeout=timeout)
        except AssertionError:
            return None

    def send(self, *commands):
        with open(self.control, "a", encoding="utf-8", newline="\n") as f:
            for command in commands:
                f.write(command + "\n")

    def command(self, command, timeout=5.0):
        """Sends one command and waits until the simulator has read it."""
        since = self.log.mark()
        self.send(command)
        self.log.wait_for("control", "^" + re.escape(command) + "$", timeout, since)

    def button(self, index):
        return self.buttons[index - 1]

    def button_point(self, index):
        """The screen position of a button's centre, as the ready line gives it."""
        x, y = self.info["button_points"].split(",")[index - 1].split(":")
        return int(x), int(y)

    def strip_centre(self):
        return int(self.info["strip_x"]), int(self.info["strip_y"])

    def list_item_point(self, row):
        height = int(self.info["item_height"])
        return int(self.info["list_x"]) + 20, int(self.info["list_y"]) + row * height + height // 2

    def stop(self):
        if self.proc.poll() is None:
            self.send("quit")
        self.env.stop(self.proc, grace=5)


class Verdelune:
    """verdelune.exe copied with its data files into a fresh folder, with verdelune.ini."""

    DATA_FILES = ("H_MOVE.CUR", "ding-dong1.wav")

    def __init__(self, env, name, settings=None, exe_name=None):
        exe = env_path("VL_VERDELUNE")
        exe_name = exe_name or exe.name
        self.folder = env.out / name
        shutil.rmtree(self.folder, ignore_errors=True)
        self.folder.mkdir(parents=True)
        shutil.copy2(exe, self.folder / exe_name)
        for data in self.DATA_FILES:
            for candidate in (exe.parent / data, SOURCE_DIR / "assets" / data):
                if candidate.exists():
                    shutil.copy2(candidate, self.folder / data)
                    break
        if settings is not None:
            write_ini(self.folder / "verdelune.ini", settings)
        self.proc = env.spawn(["wine", str(self.folder / exe_name)], cwd=self.folder,
                              log_name=f"{name}-verdelune.out")
        self.env = env

    def stop(self):
        self.env.stop(self.proc, grace=0.5)


def write_ini(path, settings):
    """settings: {section: {key: value}}, written in Windows-1252 with CR LF, as Windows does."""
    lines = []
    for section, keys in settings.items():
        lines.append(f"[{section}]")
        lines.extend(f"{key}={value}" for key, value in keys.items())
    Path(path).write_bytes(("\r\n".join(lines) + "\r\n").encode("cp1252"))


def verdelune_available():
    exe = env_path("VL_VERDELUNE")
    return exe is not None and exe.exists()


def start_verdelune(env, name="verdelune", settings=None, exe_name=None):
    """Starts verdelune.exe (copied as `exe_name` when given) in a fresh folder; None when it
    is not built (yet)."""
    if not verdelune_available():
        return None
    return Verdelune(env, name, settings, exe_name)


if __name__ == "__main__":
    # For ctest: every scenario as module.Class.test_name, from unittest's own discovery. A
    # module that cannot be imported is listed whole, so that its ctest shows why.
    def ids(suite):
        for test in suite:
            yield from ids(test) if isinstance(test, unittest.TestSuite) else [test.id()]
    here = str(Path(__file__).resolve().parent)
    print(";".join(i.removeprefix("unittest.loader._FailedTest.")
                   for i in ids(unittest.defaultTestLoader.discover(here, "test_*.py"))))
