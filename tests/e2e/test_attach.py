"""Verdelune attaches to the room with the real mouse and identifies itself to the room bot:
the panel in full or restricted form, the refusal, a silent bot, and the ways out."""

import re
import time
import unittest

from verdelune_ui import MAIN_TITLE, PANEL_TITLE, SessionTest, close_environment, wait

tearDownModule = close_environment


class Scenario(SessionTest):
    prefix = "attach"

class Startup(Scenario):
    settings = {"Parametres": {"AffWarning": ""}}

    def test_first_window_shows_the_explanations(self):
        main = self.ui.wait_window(MAIN_TITLE, 30, having="J'ai bien lu ... Fermer cette fenêtre")
        for text in ("Explications à lire la première fois !",
                     "Ne pas montrer ce message la prochaine fois"):
            self.assertIsNotNone(self.ui.control(main, text), text)
        boxes = [self.ui.text(c.hwnd) for c in self.ui.controls(main) if c.cls.lower() == "edit"]
        self.assertIn("auteur@verdelune.example.org", boxes)
        self.shot("explanations")


class FullPanel(Scenario):
    room_options = ("--site", "Salons, amis et cie")

    def test_the_bot_answers_and_the_panel_opens_with_the_site_name(self):
        ident = self.s.attach()
        answer = self.s.log.wait_for("chat", r"RoomBot: .*%[0-9A-F]{4}1$", 5)
        challenge = ident[2][-5:]
        expected = self.env.kit_answer(challenge, 1)
        if expected is not None:
            self.assertTrue(answer[2].endswith(expected))
        panel = self.s.panel()
        self.assertIsNotNone(self.ui.control(panel, "Salons; amis et cie"))
        self.assertIsNotNone(self.ui.control(panel, "RoomBot"))
        for caption in ("1 mois", "perm", "Bannir", "Diffuser annonce", "Micro svp !"):
            self.assertIsNotNone(self.ui.control(panel, caption), caption)
        attach_windows = [w for w in self.ui.windows_titled(MAIN_TITLE)]
        self.assertEqual(attach_windows, [], "the main and attach windows are hidden")
        self.shot("panel-full")


class RestrictedPanel(Scenario):
    def test_level_two_leaves_the_ban_group_out(self):
        self.s.room.command("bot level Modo 2")
        self.s.attach()
        panel = self.s.panel()
        for hidden in ("1 mois", "perm", "Bannir"):
            self.assertIsNone(self.ui.control(panel, hidden), hidden)
        announce = self.ui.control(panel, "Diffuser annonce")
        watched_by = self.ui.control(panel, "Regardé par qui")
        self.assertEqual(announce.rect[1], watched_by.rect[1], "the ban group's row")
        self.shot("panel-restricted")


class Refusal(Scenario):
    def test_level_three_shows_the_refusal_and_ends(self):
        self.s.room.command("bot level Modo 3")
        self.s.attach()
        box = self.ui.wait_window("Verdelune", 10)
        texts = [c.title for c in self.ui.controls(box) if c.title and c.title != "OK"]
        self.assertTrue(any(len(t) > 20 for t in texts), texts)
        self.shot("refusal")
        self.assertEqual(self.ui.windows_titled(PANEL_TITLE), [])
        self.ui.click_text(box, "OK")
        self.assertTrue(self.s.ended(5))
        self.assertIsNone(self.s.log.find("chat", "RoomBot .*, ")) 


class SilentBot(Scenario):
    def test_seven_sends_then_the_message_then_the_end(self):
        self.s.room.command("bot silent on")
        since = self.s.log.mark()
        self.s.attach()
        self.ui.wait_window(MAIN_TITLE, 20, having="Cette version ne peut fonctionner "
                                   "qu'avec le roombot 1.52 ou supérieur, ou le pseudo du roombot "
                                   "est erroné !")
        self.shot("incompatible")
        self.assertTrue(self.s.ended(8))
        self.s.log.refresh()
        idents = [e for e in self.s.log.events[since:]
                  if e[1] == "chat" and re.search(r"Modo: /msg RoomBot Verdelune\d{5}$", e[2])]
        self.assertEqual(len(idents), 7)
        spacing = (idents[-1][0] - idents[0][0]) / 6
        self.assertAlmostEqual(spacing, 2000, delta=300)
        ini = (self.s.vl.folder / "verdelune.ini").read_bytes()
        self.assertIn(b"Pseudo RoomBot=\r\n", ini)


class RoomClosed(Scenario):
    def test_closing_the_room_ends_the_program(self):
        self.s.open_panel()
        time.sleep(1)
        self.s.room.send("close")
        started = time.monotonic()
        self.assertTrue(self.s.ended(5))
        self.assertLess(time.monotonic() - started, 3.0)


class Quit(Scenario):
    def test_quitter_confirmed_ends_the_program(self):
        panel = self.s.open_panel()
        self.ui.click_text(panel, "Pseudo")  # the panel in front, the keyboard to it
        self.env.xdotool("key", "alt")
        self.env.xdotool("key", "Right", "Right", "Return")
        wait(lambda: self.ui.windows_titled("Confirmation"), 5, "the confirmation")
        self.shot("confirmation")
        self.env.xdotool("key", "Return")
        self.assertTrue(self.s.ended(5))


if __name__ == "__main__":
    unittest.main()
