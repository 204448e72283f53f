"""Moderation under Wine against the room simulator: the target picked in the room's list,
each command button, reasons picked and typed, a warning, a greeting, and a phrase edited and
used at once."""

import re
import unittest

from verdelune_ui import SessionTest, close_environment, leftmost, rightmost, wait

PICKER = "Messages de raison et d'annonces divers"
SETTINGS = {
    "Parametres": {"Signekick": "O"},
    "Raisons": {"1": "Bienvenue $N !", "2": "Soirée quiz à 21h", "7": "merci de rester poli",
                "14": "flood", "15": "insultes"},
}

tearDownModule = close_environment


class Scenario(SessionTest):
    prefix = "moderation"
    settings = SETTINGS
    users = ()

    def setUp(self):
        super().setUp()
        for user in self.users:
            self.s.room.command(f"join {user}")
        self.s.open_panel()

    def sent(self, line, since, timeout=5):
        """The moderator's line as the room posted it."""
        return self.s.log.wait_for("chat", r"Modo: " + re.escape(line) + "$", timeout, since)

    def bot_said(self, pattern, since, timeout=5):
        return self.s.log.wait_for("chat", r"RoomBot: " + pattern, timeout, since)

class Commands(Scenario):
    users = ("Alice", "Zoé")

    def test_pick_then_every_command_button(self):
        since = self.s.log.mark()
        panel = self.s.pick("Alice")
        self.s.log.wait_for("input", r"^\.$", 2, since)
        self.shot("target")
        commands = [("Coupe/Remet micro", "swmic"), ("Coupe micro perm.", "blocmic"),
                    ("Met bleu", "bleu"), ("Met noir", "noir"), ("Dépunir", "depuni"),
                    ("Regarde qui", "matequi"), ("Regardé par qui", "mateparqui"),
                    ("1 mois", "ban1")]
        for caption, verb in commands:
            since = self.s.log.mark()
            self.ui.click_text(panel, caption)
            line = self.sent(f"/msg RoomBot Alice, {verb}", since)
            self.bot_said(".", since)
            del line
            panel = self.s.pick("Alice") if verb != "ban1" else panel
        # The ban took Alice out of the room; the next target is Zoé.
        since = self.s.log.mark()
        panel = self.s.pick("Zoé")
        self.ui.click(rightmost(self.ui, panel, "Kick"))
        self.sent("/msg RoomBot Zoé, kick non respect des CGU (par Modo )", since)
        self.bot_said("Zoé", since)
        wait(lambda: "Zoé" not in self.env.probe("list", self.s.room.info["list"]), 3,
             "Zoé gone from the room's list")


class Reasons(Scenario):
    users = ("Bob", "Carl")

    def test_a_picked_reason_and_a_typed_one(self):
        panel = self.s.pick("Bob")
        since = self.s.log.mark()
        self.ui.click(leftmost(self.ui, panel, "Kick"))
        picker = self.ui.wait_window(PICKER, 5, having="Raisons pour kick et puni")
        self.shot("reasons")
        self.ui.click_text(picker, "flood")
        self.sent("/msg RoomBot Bob, kick flood (par Modo )", since)
        wait(lambda: not self.ui.windows_titled(PICKER), 3, "the picker hides")

        panel = self.s.pick("Carl")
        since = self.s.log.mark()
        self.ui.click(leftmost(self.ui, panel, "Punish"))
        picker = self.ui.wait_window(PICKER, 5, having="Raisons pour kick et puni")
        box = next(c for c in self.ui.controls(picker) if c.cls.lower() == "edit")
        self.ui.click(box)
        self.env.xdotool("type", "--delay", 30, "spam répété")
        self.env.xdotool("key", "Return")
        self.sent("/msg RoomBot Carl, puni spam répété (par Modo )", since)


class WarningAndGreeting(Scenario):
    users = ("Dan",)

    def test_a_warning_and_a_greeting_with_the_nickname(self):
        panel = self.s.pick("Dan")
        since = self.s.log.mark()
        self.ui.click_text(panel, "Avertir")
        picker = self.ui.wait_window(PICKER, 5, having="Phrases d'avertissement (warnings)")
        self.shot("warnings")
        self.ui.click_text(picker, "merci de rester poli")
        self.sent("Dan, merci de rester poli", since)

        panel = self.s.pick("Dan")
        since = self.s.log.mark()
        self.ui.click_text(panel, "Diffuser annonce")
        greetings = self.ui.wait_window("Messages d'accueil et d'annonces divers", 5)
        self.shot("greetings")
        self.ui.click_text(greetings, "Bienvenue $N !")
        self.sent("Bienvenue Dan !", since)


class PhraseEditor(Scenario):
    users = ("Eve",)

    def test_a_saved_phrase_is_used_at_once(self):
        panel = self.s.panel()
        self.ui.click_text(panel, "Pseudo")
        self.env.xdotool("key", "alt")
        self.env.xdotool("key", "Return", "Down", "Return")
        editor = self.ui.wait_window("Choix d'une raison", 5)
        self.shot("editor")
        boxes = sorted((c for c in self.ui.controls(editor) if c.cls.lower() == "edit"),
                       key=lambda c: c.rect[1])
        self.assertEqual(len(boxes), 22)
        reason = boxes[13]
        self.assertEqual(self.ui.text(reason.hwnd), "flood")
        self.ui.click(reason)
        self.env.xdotool("key", "End", "shift+Home")
        self.env.xdotool("type", "--delay", 30, "propos racistes")
        self.ui.click_text(editor, "Valider")
        wait(lambda: not self.ui.windows_titled("Choix d'une raison"), 5, "the editor closes")
        ini = (self.s.vl.folder / "verdelune.ini").read_bytes()
        self.assertIn(b"\r\n14=propos racistes\r\n", ini)

        panel = self.s.pick("Eve")
        since = self.s.log.mark()
        self.ui.click(leftmost(self.ui, panel, "Kick"))
        picker = self.ui.wait_window(PICKER, 5, having="propos racistes")
        self.ui.click_text(picker, "propos racistes")
        self.sent("/msg RoomBot Eve, kick propos racistes (par Modo )", since)


if __name__ == "__main__":
    unittest.main()
