#!/usr/bin/env python3
"""Cross-process benchmark: what Verdelune's join watcher costs the chat client. The simulator
holds a chat of 1,000 to 200,000 lines; Verdelune is attached with its panel open, reading
the chat every 100 ms either whole (WM_GETTEXT, VL_WHOLE_CHAT_READS set) or by range. For each
the room's CPU per tick, the room alone before the attach, Verdelune's CPU and memory, and
whether a newcomer was greeted; then the ratios against the 1,000-line case of the same way.

    bench_wine.py SECONDS [LINES...]
"""

import os
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools" / "driver"))
sys.path.insert(0, str(Path(__file__).resolve().parent))

from desktop import Environment, proc_sample  # noqa: E402
from programs import Session  # noqa: E402
from soak import wineserver_pid, TICKS_PER_SECOND  # noqa: E402

WAYS = ("whole", "range")


def per_tick(before, after, seconds):
    return 1000 * (after[1] - before[1]) / (seconds * TICKS_PER_SECOND)


def measure(env, lines, way, seconds):
    if way == "whole":
        os.environ["VL_WHOLE_CHAT_READS"] = "1"
    else:
        os.environ.pop("VL_WHOLE_CHAT_READS", None)
    s = Session(env, f"bench-{way}-{lines}", {"Parametres": {"SalutNouvUser": "O"},
                                               "Raisons": {"1": "Bienvenue $N !"}})
    try:
        s.room.command(f"history {lines}")
        s.log.wait_for("history", timeout=600)
        time.sleep(5)  # the chat laid out and painted once
        room, server = s.room.proc.pid, wineserver_pid()
        a = proc_sample(room)
        time.sleep(seconds / 2)
        alone = per_tick(a, proc_sample(room), seconds / 2)
        try:
            s.open_panel()
        except AssertionError:  # the handshake never saw the answer
            return {"alone": alone, "attached": False}
        time.sleep(8)  # the handshake's answer watcher has stopped; the attach check is done
        start = {p: proc_sample(p) for p in (room, s.vl.proc.pid, server)}
        time.sleep(seconds)
        end = {p: proc_sample(p) for p in (room, s.vl.proc.pid, server)}
        since = s.log.mark()
        s.room.command("join Mesure notime")
        greeted = bool(s.log.wait_for("chat", "Modo: Bienvenue Mesure !$", 15, since))
        return {"alone": alone, "room": per_tick(start[room], end[room], seconds),
                "vl": per_tick(start[s.vl.proc.pid], end[s.vl.proc.pid], seconds),
                "server": per_tick(start[server], end[server], seconds),
                "rss": end[s.vl.proc.pid][0] // 1024, "greeted": greeted, "attached": True}
    finally:
        s.stop()
        os.environ.pop("VL_WHOLE_CHAT_READS", None)


def main():
    seconds = float(sys.argv[1]) if len(sys.argv) > 1 else 30
    sizes = [int(n) for n in sys.argv[2:]] or [1000, 10000, 50000, 200000]
    env = Environment()
    results = {}
    for lines in sizes:
        for way in WAYS:
            results[lines, way] = r = measure(env, lines, way, seconds)
            if not r["attached"]:
                print(f"{lines:7d} lines {way:5s}: the panel never opened", flush=True)
                continue
            print(f"{lines:7d} lines {way:5s}: room {r['room']:6.2f} ms/tick (alone "
                  f"{r['alone']:.2f}), verdelune {r['vl']:5.2f} ms/tick {r['rss']} MB, "
                  f"wineserver {r['server']:5.2f} ms/tick, greeted {r['greeted']}", flush=True)
    print("\n| lines | way | room CPU per tick (ms) | room alone | room vs 1,000 lines | "
          "Verdelune CPU per tick (ms) | Verdelune memory (MB) | wineserver per tick (ms) | greeted |")
    print("|---|---|---|---|---|---|---|---|---|")
    for way in WAYS:
        base = results[sizes[0], way].get("room")
        for lines in sizes:
            r = results[lines, way]
            if not r["attached"]:
                print(f"| {lines:,} | {way} | the panel never opened | {r['alone']:.2f} | | | | | |")
                continue
            print(f"| {lines:,} | {way} | {r['room']:.2f} | {r['alone']:.2f} | "
                  f"{r['room'] / base:.2f}x | {r['vl']:.2f} | {r['rss']} | {r['server']:.2f} | "
                  f"{'yes' if r['greeted'] else 'no'} |")
    env.close()


if __name__ == "__main__":
    main()
