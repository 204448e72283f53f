"""Verdelune's windows as the end-to-end scenarios see them from outside: found with
winprobe.exe by title and text, clicked with the real mouse, and the common journeys (the
attach by dragging the hand, the panel after the room bot's answer)."""

import ctypes
import os
import re
import struct
import time
import unittest
from dataclasses import dataclass

from harness import Environment, start_verdelune

MAIN_TITLE = "Connexion à la room"
PANEL_TITLE = "Verdelune  - V 1.05"
LINE = re.compile(r"(?:(\d+) )?hwnd=(\d+) class=(\S*) enabled=(\d) visible=(\d) "
                  r"rect=(-?\d+),(-?\d+),(-?\d+),(-?\d+) title=(.*)")


@dataclass
class Window:
    hwnd: str
    cls: str
    enabled: bool
    visible: bool
    rect: tuple
    title: str
    depth: int = 0

    @property
    def centre(self):
        left, top, right, bottom = self.rect
        return (left + right) // 2, (top + bottom) // 2


def parse(line):
    m = LINE.match(line)
    if not m:
        return None
    depth = int(m.group(1)) if m.group(1) else 0
    rect = tuple(int(m.group(i)) for i in range(6, 10))
    return Window(m.group(2), m.group(3), m.group(4) == "1", m.group(5) == "1", rect,
                  m.group(10), depth)


def wait(condition, timeout, what, step=0.1):
    """The first true value of condition(); AssertionError after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"{what}: not within {timeout} s")
        time.sleep(step)


class Ui:
    def __init__(self, env):
        self.env = env

    def top_windows(self):
        return [w for w in map(parse, self.env.probe("top")) if w]

    def windows_titled(self, title):
        return [w for w in self.top_windows() if w.title == title]

    def controls(self, window):
        return [w for w in map(parse, self.env.probe("tree", window.hwnd)) if w and w.depth > 0]

    def control(self, window, title, visible=True):
        """The first control of the window with exactly this text (visible ones only)."""
        for c in self.controls(window):
            if c.title == title and (c.visible or not visible):
                return c
        return None

    def text(self, hwnd):
        lines = self.env.probe("text", hwnd)
        return lines[0].replace("\\r", "\r").replace("\\n", "\n").replace("\\\\", "\\") \
            if lines else None

    def wait_window(self, title, timeout=10, having=None):
        """The visible top-level window titled `title` (holding a control `having`)."""
        def found():
            for w in self.windows_titled(title):
                if having is None or self.control(w, having):
                    return w
            return None
        return wait(found, timeout, f"window {title!r}")

    def click(self, control):
        self.env.click(*control.centre)

    def click_text(self, window, title, timeout=5):
        control = wait(lambda: self.control(window, title), timeout, f"control {title!r}")
        self.click(control)
        return control


class Session:
    """A room simulator and a Verdelune started beside it, with the usual settings."""

    def __init__(self, env, name, settings=None, room_options=(), bot_nick="RoomBot"):
        self.env = env
        self.ui = Ui(env)
        self.room = env.start_roomsim(name, *room_options)
        params = {"AffWarning": "N", "Pseudo RoomBot": bot_nick}
        sections = {"Parametres": params}
        for section, keys in (settings or {}).items():
            sections.setdefault(section, {}).update(keys)
        self.vl = start_verdelune(env, name + "-verdelune", sections)
        if self.vl is None:
            raise AssertionError("verdelune.exe is not built")

    @property
    def log(self):
        return self.room.log

    def main_window(self):
        return self.ui.wait_window(MAIN_TITLE, 30, having="Connexion à la salle")

    def attach(self):
        """Connexion à la salle, then the hand dragged onto the room's strip; returns the
        identification line the room received."""
        since = self.log.mark()
        self.ui.click_text(self.main_window(), "Connexion à la salle")
        label = wait(lambda: next((c for w in self.ui.windows_titled(MAIN_TITLE)
                                   for c in self.ui.controls(w)
                                   if c.title.startswith("Pour connecter la room")), None),
                     10, "the attach window's instructions")
        self.env.drag(label.centre, self.room.strip_centre())
        return self.log.wait_for("chat", r"/msg RoomBot Verdelune\d{5}$", 10, since)

    def panel(self, timeout=10):
        return self.ui.wait_window(PANEL_TITLE, timeout)

    def open_panel(self):
        self.attach()
        return self.panel()

    def ended(self, timeout):
        """True when verdelune.exe ends within `timeout` seconds."""
        try:
            self.vl.proc.wait(timeout=timeout)
            return True
        except Exception:
            return False

    def pick(self, nick, timeout=3):
        """The moderator double-clicks the user in the room's list; the capture takes the
        nickname, leaves "." in the room's input box and brings the panel back. Returns the
        panel, restored."""
        since = self.log.mark()
        users = [u.replace("\\\\", "\\") for u in self.env.probe("list", self.room.info["list"])]
        self.env.click(*self.room.list_item_point(users.index(nick)), repeat=2)
        self.log.wait_for("input", r"^\.$", timeout, since)

        def restored():
            for w in self.ui.windows_titled(PANEL_TITLE):
                if w.rect[0] > -1000 and self.ui.control(w, nick):
                    return w
            return None
        return wait(restored, timeout, f"the panel back with the target {nick!r}")

    def stop(self):
        try:
            self.vl.stop()
        finally:
            self.room.stop()


class FileOpens:
    """Counts the openings of one file (inotify), to see a sound being played."""

    IN_OPEN = 0x20

    def __init__(self, path):
        libc = ctypes.CDLL("libc.so.6", use_errno=True)
        self.fd = libc.inotify_init1(os.O_NONBLOCK)
        if self.fd < 0 or libc.inotify_add_watch(self.fd, str(path).encode(), self.IN_OPEN) < 0:
            raise OSError(ctypes.get_errno(), "inotify")
        self.count = 0

    def read(self):
        while True:
            try:
                data = os.read(self.fd, 4096)
            except BlockingIOError:
                return self.count
            offset = 0
            while offset < len(data):
                _, mask, _, length = struct.unpack_from("iIII", data, offset)
                if mask & self.IN_OPEN:
                    self.count += 1
                offset += 16 + length

    def close(self):
        os.close(self.fd)


def leftmost(ui, window, title):
    """Of the controls with this text, the one furthest left (the "Avec raison" column)."""
    found = [c for c in ui.controls(window) if c.title == title and c.visible]
    return min(found, key=lambda c: c.rect[0]) if found else None


def rightmost(ui, window, title):
    found = [c for c in ui.controls(window) if c.title == title and c.visible]
    return max(found, key=lambda c: c.rect[0]) if found else None


_ENVIRONMENT = None


def environment():
    """The display and prefix shared by the scenarios of one test process."""
    global _ENVIRONMENT
    if _ENVIRONMENT is None:
        _ENVIRONMENT = Environment()
    return _ENVIRONMENT


def close_environment():
    global _ENVIRONMENT
    if _ENVIRONMENT is not None:
        _ENVIRONMENT.close()
        _ENVIRONMENT = None


class SessionTest(unittest.TestCase):
    """A scenario with its own simulator and Verdelune, screenshotted and stopped at the end."""

    prefix = "scenario"
    settings = None
    room_options = ()

    def setUp(self):
        self.env = environment()
        self.name = f"{self.prefix}-{self.id().rsplit('.', 1)[-1]}"
        self.s = Session(self.env, self.name, self.settings, self.room_options)
        self.ui = self.s.ui

    def tearDown(self):
        try:
            self.env.screenshot(self.name + "-end")
        finally:
            self.s.stop()

    def shot(self, what):
        self.env.screenshot(f"{self.name}-{what}")
