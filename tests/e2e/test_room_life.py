"""The room's life under Wine: a newcomer greeted once with one entry sound, the microphone
request and its countdown, Scroll Lock as push-to-talk, a message to a category of users, and
the single-instance guard."""

import re
import shutil
import time
import unittest

from harness import start_verdelune, wine_path
from verdelune_ui import MAIN_TITLE, FileOpens, SessionTest, close_environment, environment, wait

tearDownModule = close_environment


class Scenario(SessionTest):
    prefix = "life"

    def caption(self, panel, pattern, timeout=5):
        """The microphone button once its caption matches."""
        def found():
            for c in self.ui.controls(panel):
                if c.cls.lower() != "edit" and re.fullmatch(pattern, c.title):
                    return c
            return None
        return wait(found, timeout, f"the microphone button reading {pattern!r}")


class Greeting(Scenario):
    def setUp(self):
        # The entry sound is a file of the scenario, so that its playing can be seen.
        self.chime = environment().out / "chime-test_a_newcomer.wav"
        shutil.copy2(environment().source_dir / "assets" / "ding-dong1.wav", self.chime)
        self.settings = {"Parametres": {"AnnSonore": "O", "SalutNouvUser": "O",
                                        "BipEntree": wine_path(self.chime)},
                         "Raisons": {"1": "Bienvenue $N !"}}
        super().setUp()

    def test_a_newcomer_gets_one_greeting_and_one_sound(self):
        self.s.open_panel()
        opens = FileOpens(self.chime)
        try:
            since = self.s.log.mark()
            self.s.room.command("join Zoé en notime")
            self.s.log.wait_for("chat", r"Modo: Bienvenue Zoé !$", 3, since)
            self.assertTrue(self.s.log.absent_for("chat", r"Bienvenue", 3, self.s.log.mark()))
            greetings = [e for e in self.s.log.events[since:]
                         if e[1] == "chat" and e[2].endswith("Bienvenue Zoé !")]
            self.assertEqual(len(greetings), 1)
            self.assertEqual(opens.read(), 1, "the chime played once")
        finally:
            opens.close()


class Microphone(Scenario):
    def test_the_request_waits_takes_and_counts_down(self):
        panel = self.s.open_panel()
        self.s.room.command("mic other")
        self.ui.click_text(panel, "Micro svp !")
        self.caption(panel, r"Attente \.\.\.")
        time.sleep(1.0)
        self.assertIsNone(self.s.log.find("button", r"^8 "), "nothing clicked while taken")
        since = self.s.log.mark()
        self.s.room.command("mic free")
        self.s.log.wait_for("button", r"^8 up$", 3, since)
        button = self.caption(panel, r"Micro svp !")
        self.assertFalse(button.enabled)
        time.sleep(1.0)
        self.s.room.command("mic free")  # the moderator has had their turn
        self.caption(panel, r"60|59", 3)
        self.shot("countdown")
        self.caption(panel, r"5[5-7]", 6)


class PushToTalk(Scenario):
    def test_scroll_lock_holds_the_ninth_button(self):
        panel = self.s.open_panel()
        self.ui.click_text(panel, "Pseudo")
        since = self.s.log.mark()
        self.env.key_down("Scroll_Lock")
        try:
            self.s.log.wait_for("button", r"^9 down$", 2, since)
            time.sleep(1.0)
        finally:
            self.env.key_up("Scroll_Lock")
        released = self.s.log.mark()
        down = self.s.log.wait_for("button", r"^9 down$", 3, released)
        up = self.s.log.wait_for("button", r"^9 up$", 3, released)
        self.assertAlmostEqual(up[0] - down[0], 500, delta=150)


class CategoryMessage(Scenario):
    def test_a_message_to_the_red_users(self):
        panel = self.s.open_panel()
        self.ui.click_text(panel, "Message aux modos / bleus / verts / rouges")
        window = self.ui.wait_window("Envoi d'un message à une catégorie de users", 5)
        box = next(c for c in self.ui.controls(window) if c.cls.lower() == "edit")
        self.ui.click(box)
        self.env.xdotool("type", "--delay", 30, "réunion à 21h")
        self.shot("categories")
        since = self.s.log.mark()
        self.ui.click_text(window, "Envoi aux rouges")
        self.s.log.wait_for(
            "chat", re.escape("Modo: /msg 'OWNER' Message aux rouges : réunion à 21h (de Modo)")
            + "$", 3, since)


class SingleInstance(unittest.TestCase):
    def test_a_second_copy_ends_the_first_and_another_name_is_left(self):
        self.env = environment()
        first = start_verdelune(self.env, "instance-first", {"Parametres": {"AffWarning": "N"}})
        others = []
        try:
            wait(lambda: self.env.probe("find", MAIN_TITLE), 20, "the first copy's window")
            second = start_verdelune(self.env, "instance-second", {"Parametres": {"AffWarning": "N"}})
            others.append(second)
            first.proc.wait(timeout=15)
            renamed = start_verdelune(self.env, "instance-renamed", {"Parametres": {"AffWarning": "N"}},
                                      exe_name="verdelune-copie.exe")
            others.append(renamed)
            time.sleep(6)
            self.assertIsNone(second.proc.poll(), "a copy under another name ends nothing")
            self.assertIsNone(renamed.proc.poll(), "and is not ended")
        finally:
            first.stop()
            for o in others:
                o.stop()


if __name__ == "__main__":
    unittest.main()
