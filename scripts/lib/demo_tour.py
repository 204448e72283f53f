#!/usr/bin/env python3
"""The demo's scripted tour, for a machine without a display: Verdelune's first start, the
room bot's nickname, the attach by dragging the hand onto a busy simulated room, a user
picked and kicked with a reason, the menu, the pause, the phrase editor, the categories
window and the moderation journal. Screenshots and the room's log are left in the folder given
by VL_E2E_OUT.

With VL_GUIDE_PICTURES set to a folder, the pictures of the moderators' guide (LISEZMOI.html)
are written there too, each cut to the windows it shows, to their very edge: nothing of a
window behind them."""

import os
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools" / "driver"))

from desktop import Environment, wait  # noqa: E402
from programs import MAIN_TITLE, PANEL_TITLE, RoomSim, Verdelune  # noqa: E402

PICKER = "Messages de raison et d'annonces divers"
EDITOR = "Choix d'une raison"
CATEGORIES = "Envoi d'un message à une catégorie de users"
JOURNAL = "Journal de modération"


def main():
    env = Environment()
    guide = Path(os.environ["VL_GUIDE_PICTURES"]) if os.environ.get("VL_GUIDE_PICTURES") else None
    # The practice room as a newcomer finds it: Alice, Bob, Zoé and Marc are there.
    room = RoomSim(env, "room", "--site", "Salons Verdelune, démo", users=None)
    vl = Verdelune(env, "verdelune", {"Raisons": {
        "1": "Bienvenue $N, installe-toi !", "2": "Soirée quiz à 21h, venez nombreux",
        "3": "$N, pense à lire les règles du salon", "7": "merci de rester poli",
        "8": "pas de majuscules s'il te plaît", "9": "pas de flood", "14": "flood",
        "15": "insultes", "16": "publicité", "17": "pseudo incorrect"}})
    step = 0

    def shot(what, *windows):
        """A screenshot of the whole screen; with windows (from the bottom of the stack up),
        also a guide picture of them alone, on white where none of them is."""
        nonlocal step
        step += 1
        screen = env.screenshot(f"{step:02d}-{what}")
        print("  ", screen)
        if guide and windows:
            guide.mkdir(parents=True, exist_ok=True)
            rects = [(max(0, w.rect[0]), max(0, w.rect[1]), w.rect[2], w.rect[3]) for w in windows]
            left, top = min(r[0] for r in rects), min(r[1] for r in rects)
            right, bottom = max(r[2] for r in rects), max(r[3] for r in rects)
            command = ["convert", "-size", f"{right - left}x{bottom - top}", "xc:white"]
            for x, y, x2, y2 in rects:
                command += ["(", screen, "-crop", f"{x2 - x}x{y2 - y}+{x}+{y}", "+repage", ")",
                            "-geometry", f"+{x - left}+{y - top}", "-composite"]
            # No metadata with a date in it: the same picture gives the same file.
            subprocess.run([*command, "-strip", "-define", "png:exclude-chunks=date,time",
                            guide / f"{what}.png"], check=True, timeout=30)

    def top(title, **kw):
        return env.wait_window(title, 10, **kw)

    def panel_back(nick):
        """A double click on a user in the room's list: the panel comes back with the target,
        restored (a minimised panel may show the target already, in a 160x24 title)."""
        env.click(room.list_item_point(room.users().index(nick)), repeat=2)
        return wait(lambda: next((w for w in env.windows_titled(PANEL_TITLE)
                                  if w.rect[0] > -1000 and w.rect[3] - w.rect[1] > 100
                                  and env.controls(w, nick)), None), 5, f"{nick} as the target")

    def menu(panel, *keys):
        env.click_text(panel, "Pseudo")
        env.xdotool("key", "alt")
        env.xdotool("key", *keys)

    try:
        room_window = next(w for w in env.windows("top") if w.title.startswith("Salons Verdelune"))
        main_window = env.wait_window(MAIN_TITLE, 30, having="J'ai bien lu ... Fermer cette fenêtre")
        shot("explications", main_window)
        env.click_text(main_window, "J'ai bien lu ... Fermer cette fenêtre")
        wait(lambda: env.controls(main_window, "Entrez le pseudo du roombot svp !"), 5,
             "the nickname entry")
        env.xdotool("type", "--delay", 40, "RoomBot")  # the box has the keyboard
        shot("pseudo", main_window)
        env.xdotool("key", "Return")
        env.click_text(main_window, "Connexion à la salle")
        label = wait(lambda: next((c for w in env.windows_titled(MAIN_TITLE) for c in env.controls(w)
                                   if c.title.startswith("Pour connecter la room")), None),
                     10, "the attach window")
        attach = next(w for w in env.windows_titled(MAIN_TITLE) if w.visible)
        shot("connexion", room_window, attach)
        env.drag(label.centre, room.strip)
        panel = env.wait_window(PANEL_TITLE, 15)
        room.command("traffic 1")
        time.sleep(1)
        shot("panel")
        panel = panel_back("Bob")
        shot("panneau", panel)
        env.click(min(env.controls(panel, "Kick"), key=lambda c: c.rect[0]))  # with a reason
        shot("raisons", top(PICKER, having="flood"))
        env.click_text(top(PICKER, having="flood"), "flood")
        time.sleep(1.5)
        room.command("traffic 0")
        shot("expulse", room_window)

        panel = panel_back("Alice")
        menu(panel, "Return")
        time.sleep(0.5)
        menus = [w for w in env.windows("top") if w.cls == "#32768" and w.visible]
        shot("menu", panel, *menus)
        env.xdotool("key", "Escape", "Escape")
        menu(panel, "Right", "Return")  # Pause
        time.sleep(0.7)
        shot("pause", panel)
        menu(panel, "Right", "Return")
        time.sleep(0.5)
        menu(panel, "Return", "Down", "Return")  # Configurer, Messages et raisons
        editor = top(EDITOR)
        shot("editeur", editor)
        env.click_text(editor, "Annuler")
        wait(lambda: not env.windows_titled(EDITOR), 5, "the editor closes")

        env.click_text(panel, "Message aux modos / bleus / verts / rouges")
        categories = top(CATEGORIES)
        env.click(env.edits(categories)[0])
        env.xdotool("type", "--delay", 40, "Réunion des modos à 21h")
        shot("categories", categories)
        env.click_text(categories, "Envoi aux rouges")  # the room says it was delivered

        # Zoé warned, then put in black: the journal window shows her history.
        env.click_text(panel_back("Zoé"), "Avertir")
        env.click_text(top(PICKER, having="Phrases d'avertissement (warnings)"),
                       "merci de rester poli")
        time.sleep(0.5)
        env.click_text(panel_back("Zoé"), "Met noir")
        time.sleep(0.5)
        menu(panel_back("Zoé"), "Return", *["Down"] * 6, "Return")  # Journal de modération...
        journal = top(JOURNAL, having="Ouvrir le fichier")
        shot("journal", journal)
        env.xdotool("key", "alt+F4")
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
