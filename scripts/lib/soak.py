#!/usr/bin/env python3
"""Soak run: Verdelune attached to a busy simulated room for a long time. Users join, talk
and leave at a steady rate; the room trims its history every 30 s by about what came in, as a
client with a bounded history does, so the chat stays near PREFILL lines (0: never trimmed,
it grows). The program greets every newcomer. Its memory and CPU are read from /proc at the start and the end, and
nothing may be lost: every join line that stayed the chat's last line for two ticks gets
exactly one greeting, and none gets two.

    soak.py MINUTES RATE PREFILL
"""

import os
import re
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools" / "driver"))

from desktop import Environment, proc_sample  # noqa: E402
from programs import Session  # noqa: E402

TICKS_PER_SECOND = 10  # the join watcher, every 100 ms


def wineserver_pid():
    """The wineserver of this run's prefix (others may run on the machine)."""
    prefix = os.environ.get("WINEPREFIX", "").encode()
    for p in Path("/proc").iterdir():
        try:
            if p.name.isdigit() and (p / "comm").read_text().startswith("wineserver") and \
                    b"WINEPREFIX=" + prefix + b"\0" in (p / "environ").read_bytes():
                return int(p.name)
        except OSError:
            continue
    return None


def main():
    minutes = float(sys.argv[1]) if len(sys.argv) > 1 else 10
    rate = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    prefill = int(sys.argv[3]) if len(sys.argv) > 3 else 20000
    env = Environment()
    s = Session(env, "soak", {"Parametres": {"SalutNouvUser": "O", "AnnSonore": "O"},
                              "Raisons": {"1": "Bienvenue $N !"}})
    try:
        # A chat that is already long.
        s.room.command(f"history {prefill}")
        s.log.wait_for("history", timeout=600)
        s.open_panel()
        # `wine` runs the program in its own process: the pid it was started with.
        pids = {"verdelune.exe": s.vl.proc.pid, "roomsim.exe": s.room.proc.pid,
                "wineserver": wineserver_pid()}
        time.sleep(5)
        start = {name: proc_sample(pid) for name, pid in pids.items() if pid}
        started = time.monotonic()
        s.room.command(f"traffic {rate}")
        samples, trimmed, room_cpu = [], 0, start["roomsim.exe"][1]
        while time.monotonic() - started < minutes * 60:
            time.sleep(30)
            rss, cpu = proc_sample(pids["verdelune.exe"])
            lines = sum(1 for e in s.log.events if e[1] == "chat") if s.log.mark() else 0
            room = proc_sample(pids["roomsim.exe"])[1]
            samples.append((time.monotonic() - started, rss, cpu, lines))
            print(f"{samples[-1][0]:7.0f} s  rss {rss:7d} kB  cpu {cpu:8.1f} s  "
                  f"chat {prefill + lines - trimmed:6d} lines (trimmed {trimmed})  room "
                  f"{100 * (room - room_cpu) / 30:.2f} ms per tick", flush=True)
            room_cpu = room
            if prefill and lines + prefill - trimmed > prefill:
                s.room.send(f"trim {lines + prefill - trimmed - prefill}")
                trimmed = lines
        s.room.command("traffic 0")
        time.sleep(3)
        end = {name: proc_sample(pid) for name, pid in pids.items() if pid}
        report(s, samples, start, end)
        env.screenshot("soak-end")
    finally:
        s.stop()
        env.close()


def judge(events):
    """(join lines, greeted twice, not greeted though last for two ticks of a responsive room).
    A trim holds the room's thread (seconds, for thousands of lines): a line that was last
    only while the room took no message could not be read, and is not counted."""
    chat = [e for e in events if e[1] == "chat"]
    busy, began = [], None
    for ms, kind, details in events:
        if kind == "control" and details.startswith("trim "):
            began = ms
        elif kind == "trim" and began is not None:
            busy.append((began, ms))
    joins_seen, greeted_twice, lost = 0, 0, []
    for i, event in enumerate(chat[:-1]):
        if not re.search(r"(Join: |Rejoint la salle :)", event[2]):
            continue
        joins_seen += 1
        # The nickname as the program takes it: the line without its marker, trimmed.
        nick = re.sub(r"Join: |Rejoint la salle :", "", event[2]).strip(" ")
        greetings = [e for e in chat[i + 1:i + 60]
                     if e[2].endswith(f"Modo: Bienvenue {nick} !") and e[0] - event[0] < 3000]
        if len(greetings) > 1:
            greeted_twice += 1
        # A join line that stayed last for two ticks of the watcher must have been greeted.
        first, then = event[0], chat[i + 1][0]
        held = sum(max(0, min(then, b) - max(first, a)) for a, b in busy)
        if not greetings and then - first - held >= 200:
            lost.append(event)
    return joins_seen, greeted_twice, lost


def report(s, samples, start, end):
    s.log.refresh()
    chat = [e for e in s.log.events if e[1] == "chat"]
    chat_chars = sum(len(e[2]) + 2 for e in chat)
    joins_seen, greeted_twice, lost = judge(s.log.events)
    elapsed = samples[-1][0] if samples else 0
    print(f"\nchat: {len(chat)} lines posted, {chat_chars} characters ({chat_chars * 2 // 1024} kB "
          f"as UTF-16); trimmed: {sum(int(e[2]) for e in s.log.events if e[1] == 'trim')} lines")
    rss0, rss1 = start["verdelune.exe"][0], end["verdelune.exe"][0]
    print(f"verdelune.exe memory: {rss0} kB at the start, {rss1} kB at the end ({rss1 - rss0:+d} kB)")
    for name in start:
        cpu = end[name][1] - start[name][1]
        print(f"{name:14s} CPU {cpu:7.1f} s over {elapsed:.0f} s = "
              f"{1000 * cpu / max(1, elapsed * TICKS_PER_SECOND):.2f} ms per 100 ms tick")
    if len(samples) > 2:
        first = (samples[1][2] - samples[0][2]) / (samples[1][0] - samples[0][0])
        last = (samples[-1][2] - samples[-2][2]) / (samples[-1][0] - samples[-2][0])
        print(f"verdelune.exe CPU per tick: {100 * first:.2f} ms early, {100 * last:.2f} ms late "
              f"(chat {samples[0][3]} then {samples[-1][3]} lines)")
    print(f"join lines: {joins_seen}; greeted twice: {greeted_twice}; not greeted although "
          f"last for 200 ms or more: {len(lost)}")
    for event in lost[:5]:
        print("   not greeted:", event)


if __name__ == "__main__":
    main()
