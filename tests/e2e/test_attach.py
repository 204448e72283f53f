"""Verdelune attaches to the room with the real mouse and identifies itself to the room bot:
the panel in full or restricted form, the refusal, a silent bot, and the ways out."""

import os
import time

from harness import MAIN_TITLE, PANEL_TITLE, SessionTest, wait


class Startup(SessionTest):
    """A first start (no room bot's nickname yet) in the practice room as it opens, then a
    newcomer greeted by the nickname after the time of the join line."""
    settings = {"Parametres": {"AffWarning": "", "Pseudo RoomBot": "", "SalutNouvUser": "O"},
                "Raisons": {"1": "Bienvenue $N !"}}
    users = None

    def test_first_start_explanations_nickname_then_a_greeting(self):
        main = self.env.wait_window(MAIN_TITLE, 30, having="J'ai bien lu ... Fermer cette fenêtre")
        for text in ("Explications à lire la première fois !",
                     "Ne pas montrer ce message la prochaine fois"):
            self.assertTrue(self.env.controls(main, text), text)
        self.assertIn("auteur@verdelune.example.org",
                      [self.env.text(c.hwnd) for c in self.env.edits(main)])
        self.shot("explanations")
        self.env.click_text(main, "J'ai bien lu ... Fermer cette fenêtre")
        wait(lambda: self.env.controls(main, "Entrez le pseudo du roombot svp !"), 5, "the box")
        self.env.type("RoomBot")  # no click: the box has the keyboard, or no line names it
        self.env.xdotool("key", "Return")
        self.s.open_panel()
        self.s.pick("Alice")  # there from the start
        since = self.log.mark()
        self.room.command("line (12:00) Join: Tim")
        self.sent("Bienvenue Tim !", since)


class FullPanel(SessionTest):
    room_options = ("--site", "Salons, amis et cie")

    def test_the_bot_answers_and_the_panel_opens_with_the_site_name(self):
        challenge = self.s.attach()[2][-5:]
        answer = self.log.wait_for("chat", r"RoomBot: .*%[0-9A-F]{4}1$", 5)
        self.assertEqual(self.env.wine(os.environ["VL_KIT"], "answer", challenge, 1),
                         (0, answer[2][-6:] + "\n"))
        panel = self.env.wait_window(PANEL_TITLE)
        for caption in ("Salons; amis et cie", "RoomBot", "1 mois", "perm", "Bannir",
                        "Diffuser annonce", "Micro svp !"):
            self.assertTrue(self.env.controls(panel, caption), caption)
        self.assertEqual(self.env.windows_titled(MAIN_TITLE), [], "main and attach windows hide")
        self.shot("panel-full")


class RestrictedPanel(SessionTest):
    def test_level_two_leaves_the_ban_group_out(self):
        self.room.command("bot level Modo 2")
        self.s.attach()
        panel = self.env.wait_window(PANEL_TITLE)
        for hidden in ("1 mois", "perm", "Bannir"):
            self.assertEqual(self.env.controls(panel, hidden), [], hidden)
        self.assertEqual(*(self.env.controls(panel, t)[0].rect[1] for t in ("Diffuser annonce",
                           "Regardé par qui")), "the ban group's row")
        self.shot("panel-restricted")


class Refusal(SessionTest):
    def test_level_three_shows_the_refusal_and_ends(self):
        self.room.command("bot level Modo 3")
        self.s.attach()
        box = self.env.wait_window("Verdelune", 10)
        texts = [c.title for c in self.env.controls(box) if c.title not in ("", "OK")]
        self.assertTrue(any(len(t) > 20 for t in texts), texts)
        self.shot("refusal")
        self.assertEqual(self.env.windows_titled(PANEL_TITLE), [])
        self.env.click_text(box, "OK")
        self.assertTrue(self.s.ended(5))
        self.assertEqual(self.log.matching("chat", "RoomBot .*, "), [])


class SilentBot(SessionTest):
    def test_seven_sends_then_the_message_then_the_end(self):
        self.room.command("bot silent on")
        since = self.log.mark()
        self.s.attach()
        self.env.wait_window(MAIN_TITLE, 20, having="Cette version ne peut fonctionner qu'avec le "
                            "roombot 1.52 ou supérieur, ou le pseudo du roombot est erroné !")
        self.shot("incompatible")
        self.assertTrue(self.s.ended(8))
        idents = self.log.matching("chat", r"Modo: /msg RoomBot Verdelune\d{5}$", since)
        self.assertEqual(len(idents), 7)
        self.assertAlmostEqual((idents[-1][0] - idents[0][0]) / 6, 2000, delta=300)
        self.assertIn(b"Pseudo RoomBot=\r\n", (self.s.vl.folder / "verdelune.ini").read_bytes())


class RoomClosed(SessionTest):
    def test_closing_the_room_ends_the_program(self):
        self.s.open_panel()
        time.sleep(1)
        self.room.send("close")
        self.assertTrue(self.s.ended(3.0))


class Quit(SessionTest):
    def test_quitter_confirmed_ends_the_program(self):
        self.menu(self.s.open_panel(), "Right", "Right", "Return")
        wait(lambda: self.env.windows_titled("Confirmation"), 5, "the confirmation")
        self.shot("confirmation")
        self.env.xdotool("key", "Return")
        self.assertTrue(self.s.ended(5))
