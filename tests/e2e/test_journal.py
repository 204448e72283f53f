"""The moderation journal under Wine: one row per command, as the room received it, read back
by a standard CSV reader and shown in the journal window; a journal held open by another
program, told once; the program ended while a line is on its way, leaving only whole rows."""

import csv
import os
import time

from harness import SessionTest, wait, wine_path
from test_moderation import KICK, PICKER

NICK, REASON = 'Zoé,"Lou"', 'spam, "pub" répétée'  # the CSV's own characters in both
HEAD = ["Date et heure", "Salle", "Modérateur", "Action", "Pseudo visé", "Raison",
        "Ligne envoyée", "État"]


def journal(path):
    """journal.csv as a spreadsheet reads it: the header checked, then the rows."""
    with open(path, encoding="utf-8-sig", newline="") as f:
        head, *rows = csv.reader(f)
    assert head == HEAD, head
    return rows


def date(iso, at=" "):
    return f"{iso[8:10]}/{iso[5:7]}/{iso[:4]}{at}{iso[11:16]}"


class Journal(SessionTest):
    settings = {"Raisons": {"7": "merci de rester poli"}}
    users = "Alice"

    def test_rows_as_the_room_received_them_in_the_file_and_the_window(self):
        # Held open as a spreadsheet holds it: told once, and the commands still reach the room.
        path, held = self.s.vl.folder / "journal.csv", f"{self.name}-hold.out"
        holder = self.env.spawn(["wine", os.environ["VL_WINPROBE"], "hold", wine_path(path)],
                                self.s.vl.folder, held)
        wait(lambda: b"held" in (self.env.out / held).read_bytes(), 10, "the journal held")
        self.s.open_panel()
        for caption, verb in (("Met bleu", "bleu"), ("Met noir", "noir")):
            since = self.press(self.s.pick("Alice"), caption)
            self.sent(f"/msg RoomBot Alice, {verb}", since)
            if verb == "bleu":
                box = self.env.wait_window("Verdelune", 10)
                self.assertIn("Verdelune n'a pas pu écrire dans le journal de modération :",
                              " ".join(self.env.text(c.hwnd) or ""
                                       for c in self.env.controls(box)))
                self.env.click_text(box, "OK")
        time.sleep(1)
        self.assertEqual(self.env.windows_titled("Verdelune"), [], "told once")
        self.env.stop(holder, grace=0)

        # A warning, "Met noir" and a kick with a typed reason: one row each, in the file.
        self.room.command(f"join {NICK}")
        commands = [("Avertir", "avertissement", "merci de rester poli",
                     f"{NICK}, merci de rester poli"),
                    ("Met noir", "couleur noire", "", f"/msg RoomBot {NICK}, noir"),
                    ("Kick", "kick", REASON, f"/msg RoomBot {NICK}, kick {REASON}")]
        for caption, _, reason, line in commands:
            since = self.press(self.s.pick(NICK), caption)
            if caption == "Avertir":
                self.env.click_text(self.env.wait_window(
                    PICKER, 5, having="Phrases d'avertissement (warnings)"), reason)
            elif caption == "Kick":
                self.env.click(self.env.edits(self.env.wait_window(PICKER, 5, having=KICK))[0])
                self.env.type(reason)
                self.env.xdotool("key", "Return")
            self.sent(line, since)
        rows = wait(lambda: len(journal(path)) == 3 and journal(path), 3, "three rows")
        self.assertEqual([r[1:] for r in rows], [["Salle de test", "Modo", action, NICK, reason,
                                                  line, "envoyée"]
                                                 for _, action, reason, line in commands])
        for r in rows:
            self.assertRegex(r[0], r"^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d$")

        # The window, from the panel's menu: the target's rows, newest first, and its history.
        self.room.command(f"join {NICK}")  # back after the kick, to be the target again
        panel = self.s.pick(NICK)
        self.menu(panel, "Return", *["Down"] * 6, "Return")
        window = self.env.wait_window("Journal de modération", 5, having="Ouvrir le fichier")
        self.shot("journal")
        controls = self.env.controls(window)
        self.assertEqual(self.env.text(self.env.edits(window)[0].hwnd), NICK)
        self.assertEqual(self.env.probe("list", next(c.hwnd for c in controls
                                                     if c.cls == "ListBox")),
                         [f"{date(r[0])}  {r[3]}  {NICK}{' : ' + r[5] if r[5] else ''}  (par Modo)"
                          for r in reversed(rows)])
        self.assertIn(f"{NICK} : 1 × avertissement, 1 × couleur noire, 1 × kick. Dernière : kick "
                      f"le {date(rows[2][0], ' à ')}.", [self.env.text(c.hwnd) for c in controls])
        self.assertEqual(window.rect[:2], panel.rect[:2], "at the panel's corner")


class Ended(SessionTest):
    users = "Alice,Bob"

    def test_ended_while_a_line_is_on_its_way_leaves_whole_rows(self):
        self.s.open_panel()
        self.room.command("slow 400")  # each text and click of a line held 0.4 s
        lines = []
        for nick, caption, verb in (("Alice", "Met noir", "noir"), ("Bob", "Met bleu", "bleu"),
                                    ("Alice", "Dépunir", "depuni"), ("Bob", "Met noir", "noir")):
            if lines:
                self.sent(lines[-1], since, 10)
            since = self.press(self.s.pick(nick, 10), caption)
            lines.append(f"/msg RoomBot {nick}, {verb}")
        self.s.vl.proc.kill()
        self.assertFalse(self.log.matching("chat", "Modo: /msg RoomBot Bob, noir$", since),
                         "the last line on its way")
        path = self.s.vl.folder / "journal.csv"
        self.assertTrue(path.read_bytes().endswith(b"\r\n"), "no half row")
        rows = journal(path)
        self.assertEqual([(len(r), r[6], r[7]) for r in rows],
                         [(8, line, "envoyée") for line in lines[:3]])
