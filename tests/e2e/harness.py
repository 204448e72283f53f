"""End-to-end harness: the scenarios' base class over the desktop and the programs of
tools/driver, and what only the journeys need. Run as a script, it lists the scenarios for
ctest."""

import contextlib
import ctypes
import os
import re
import sys
import time
import unittest
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parents[1] / "tools" / "driver"))

from desktop import environment, proc_sample, wait, wine_path  # noqa: E402,F401
from programs import MAIN_TITLE, PANEL_TITLE, RoomSim, Session, Verdelune  # noqa: E402,F401


class SessionTest(unittest.TestCase):
    """A scenario with its own simulator and Verdelune, screenshotted and stopped at the end."""

    settings = None
    room_options = ()
    users = ""  # in the room from the start, "A,B"; None: the practice room's own

    def setUp(self):
        self.env = environment()
        self.name = f"{type(self).__module__.removeprefix('test_')}-{self._testMethodName}"
        self.s = Session(self.env, self.name, self.settings, self.room_options, users=self.users)
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

    def press(self, panel, caption, column=0):
        """Clicks a button (of a caption shown twice: 0 with reasons, -1 without); the log mark."""
        since = self.log.mark()
        self.env.click(sorted(self.env.controls(panel, caption), key=lambda c: c.rect[0])[column])
        return since

    def answers(self, panel, act, text, shown=True):
        """Seconds from the moderator's action until the panel shows `text` in its client area
        (or, not `shown`, no longer does); winprobe's own time is counted in."""
        start = time.monotonic()
        act()
        wait(lambda: shown == any(text in c.title and c.rect[1] < panel.rect[3]
                                  for c in self.env.controls(panel)), 5, f"{text!r} in view")
        return time.monotonic() - start

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
