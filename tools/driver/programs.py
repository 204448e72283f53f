"""The room simulator and Verdelune as the desktop runs them: roomsim.exe with its control file
and event log, verdelune.exe installed in a folder of its own, and a session of the two with
the moderator's usual steps (attach, open the panel, pick a user)."""

import contextlib
import os
import re
import shutil
import time
from pathlib import Path

from desktop import wait, wine_path

ASSETS = Path(__file__).resolve().parents[2] / "assets"
MAIN_TITLE = "Connexion à la room"
PANEL_TITLE = "Verdelune  - V 1.05"


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

    def __init__(self, env, name, *options, users=""):
        self.env, self.folder = env, env.out / name
        shutil.rmtree(self.folder, ignore_errors=True)
        self.folder.mkdir(parents=True)
        self.control, log = self.folder / "control.txt", self.folder / "events.log"
        # A scripted session starts from an empty room, unless it names the users present or
        # (None) leaves the practice room's own.
        present = () if users is None else ("--users", users)
        args = ["wine", os.environ["VL_ROOMSIM"], "--control", wine_path(self.control), "--log",
                wine_path(log), *present, *options]
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
            shutil.copy2(ASSETS / data, self.folder)
        ini = "".join(f"[{section}]\r\n" + "".join(f"{k}={v}\r\n" for k, v in keys.items())
                      for section, keys in settings.items())
        (self.folder / "verdelune.ini").write_bytes(ini.encode("cp1252"))  # as Windows writes it

    def stop(self):
        self.env.stop(self.proc, grace=0.5)


class Session:
    """A room simulator and a Verdelune beside it, with the usual settings."""

    def __init__(self, env, name, settings=None, room_options=(), installed=None, users=""):
        self.env, self.room = env, RoomSim(env, name, *room_options, users=users)
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
