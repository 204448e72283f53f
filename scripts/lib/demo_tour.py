#!/usr/bin/env python3
"""The demo's scripted tour, for a machine without a display: Verdelune's first start, the
room bot's nickname, the attach by dragging the hand onto a busy simulated room, a user
picked and kicked with a reason, and a greeting. Screenshots and the room's log are left in
the folder given by VL_E2E_OUT."""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tests" / "e2e"))

from harness import Environment, start_verdelune  # noqa: E402
from verdelune_ui import MAIN_TITLE, PANEL_TITLE, Ui, leftmost, wait  # noqa: E402

PICKER = "Messages de raison et d'annonces divers"


def main():
    env = Environment()
    ui = Ui(env)
    room = env.start_roomsim("room", "--site", "Salons Verdelune, démo")
    vl = start_verdelune(env, "verdelune", {"Raisons": {
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
        main_window = ui.wait_window(MAIN_TITLE, 30, having="J'ai bien lu ... Fermer cette fenêtre")
        shot("explanations")
        ui.click_text(main_window, "J'ai bien lu ... Fermer cette fenêtre")
        entry = wait(lambda: ui.control(main_window, "Entrez le pseudo du roombot svp !"), 5,
                     "the nickname entry")
        env.click(entry.centre[0], entry.centre[1] + 22)
        env.xdotool("type", "--delay", 40, "RoomBot")
        shot("nickname")
        env.xdotool("key", "Return")
        ui.click_text(main_window, "Connexion à la salle")
        label = wait(lambda: next((c for w in ui.windows_titled(MAIN_TITLE) for c in ui.controls(w)
                                   if c.title.startswith("Pour connecter la room")), None),
                     10, "the attach window")
        shot("attach-window")
        env.drag(label.centre, room.strip_centre())
        panel = ui.wait_window(PANEL_TITLE, 15)
        room.command("traffic 1")
        time.sleep(1)
        shot("panel")
        users = env.probe("list", room.info["list"])
        env.click(*room.list_item_point(users.index("Bob")), repeat=2)
        panel = wait(lambda: next((w for w in ui.windows_titled(PANEL_TITLE)
                                   if w.rect[0] > -1000 and ui.control(w, "Bob")), None), 5,
                     "Bob as the target")
        shot("target")
        ui.click(leftmost(ui, panel, "Kick"))
        picker = ui.wait_window(PICKER, 5, having="flood")
        shot("reasons")
        ui.click_text(picker, "flood")
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
