#!/usr/bin/env python3
"""The demo's scripted tour, for a machine without a display: Verdelune's first start, the
room bot's nickname, the attach by dragging the hand onto a busy simulated room, a user
picked and kicked with a reason, and a greeting. Screenshots and the room's log are left in
the folder given by VL_E2E_OUT."""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tests" / "e2e"))

from harness import MAIN_TITLE, PANEL_TITLE, Environment, RoomSim, Verdelune, wait  # noqa: E402

PICKER = "Messages de raison et d'annonces divers"


def main():
    env = Environment()
    room = RoomSim(env, "room", "--site", "Salons Verdelune, démo")
    vl = Verdelune(env, "verdelune", {"Raisons": {
        "1": "Bienvenue $N, installe-toi !", "7": "merci de rester poli",
        "14": "flood", "15": "insultes", "16": "publicité"}})
    step = 0

    def shot(what):
        nonlocal step
        step += 1
        print("  ", env.screenshot(f"{step:02d}-{what}"))

    try:
        for user in ("Alice", "Bob", "Zoé", "Marc"):
            room.command(f"join {user}")
        main_window = env.wait_window(MAIN_TITLE, 30, having="J'ai bien lu ... Fermer cette fenêtre")
        shot("explanations")
        env.click_text(main_window, "J'ai bien lu ... Fermer cette fenêtre")
        entry = wait(lambda: env.controls(main_window, "Entrez le pseudo du roombot svp !"), 5,
                     "the nickname entry")[0]
        env.click((entry.centre[0], entry.centre[1] + 22))
        env.xdotool("type", "--delay", 40, "RoomBot")
        shot("nickname")
        env.xdotool("key", "Return")
        env.click_text(main_window, "Connexion à la salle")
        label = wait(lambda: next((c for w in env.windows_titled(MAIN_TITLE) for c in env.controls(w)
                                   if c.title.startswith("Pour connecter la room")), None),
                     10, "the attach window")
        shot("attach-window")
        env.drag(label.centre, room.strip)
        panel = env.wait_window(PANEL_TITLE, 15)
        room.command("traffic 1")
        time.sleep(1)
        shot("panel")
        env.click(room.list_item_point(room.users().index("Bob")), repeat=2)
        panel = wait(lambda: next((w for w in env.windows_titled(PANEL_TITLE)
                                   if w.rect[0] > -1000 and env.controls(w, "Bob")), None), 5,
                     "Bob as the target")
        shot("target")
        env.click(min(env.controls(panel, "Kick"), key=lambda c: c.rect[0]))  # with a reason
        picker = env.wait_window(PICKER, 5, having="flood")
        shot("reasons")
        env.click_text(picker, "flood")
        time.sleep(1.5)
        shot("kicked")
        room.command("traffic 0")
        room.command("join Nadia en notime")
        time.sleep(1)
        shot("room")
    finally:
        vl.stop()
        room.stop()
        env.close()
    print("   room log:", room.log.path)


if __name__ == "__main__":
    main()
