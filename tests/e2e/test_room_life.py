"""The room's life: a newcomer greeted once with one sound, the microphone request and its
countdown, Scroll Lock as push-to-talk, a message to a category, the single-instance guard."""

import os
import re
import shutil
import subprocess
import time
import unittest

from harness import (HERE, MAIN_TITLE, SessionTest, Verdelune, environment, opens, wait,
                     watch_opens, wine_path)


class Greeting(SessionTest):
    def setUp(self):
        # The entry sound is a file of the scenario, so that its playing can be seen.
        self.chime = environment().out / "chime-test_a_newcomer.wav"
        shutil.copy2(HERE.parents[1] / "assets" / "ding-dong1.wav", self.chime)
        self.settings = {"Parametres": {"AnnSonore": "O", "SalutNouvUser": "O",
                                        "BipEntree": wine_path(self.chime)},
                         "Raisons": {"1": "Bienvenue $N !"}}
        super().setUp()

    def test_a_newcomer_gets_one_greeting_and_one_sound(self):
        self.s.open_panel()
        chime = watch_opens(self.chime)
        self.addCleanup(os.close, chime)
        since = self.log.mark()
        self.room.command("join Zoé en notime")
        self.sent("Bienvenue Zoé !", since, 3)
        self.assertTrue(self.log.absent_for("chat", r"Bienvenue", 3, self.log.mark()))
        self.assertEqual(len(self.log.matching("chat", "Bienvenue Zoé !$", since)), 1)
        self.assertEqual(opens(chime), 1, "the chime played once")


class Microphone(SessionTest):
    def caption(self, panel, pattern, timeout=5):
        """The microphone button once its caption matches."""
        return wait(lambda: next((c for c in self.env.controls(panel) if c.cls.lower() != "edit"
                                  and re.fullmatch(pattern, c.title)), None),
                    timeout, f"the microphone button reading {pattern!r}")

    def test_the_request_waits_takes_and_counts_down(self):
        panel = self.s.open_panel()
        self.room.command("mic other")
        self.env.click_text(panel, "Micro svp !")
        self.caption(panel, r"Attente \.\.\.")
        time.sleep(1.0)
        self.assertEqual(self.log.matching("button", r"^8 "), [], "nothing clicked while taken")
        since = self.log.mark()
        self.room.command("mic free")
        self.log.wait_for("button", r"^8 up$", 3, since)
        self.assertFalse(self.caption(panel, r"Micro svp !").enabled)
        time.sleep(1.0)
        self.room.command("mic free")  # the moderator has had their turn
        self.caption(panel, r"60|59", 3)
        self.shot("countdown")
        self.caption(panel, r"5[5-7]", 6)


class PushToTalk(SessionTest):
    def test_scroll_lock_holds_the_ninth_button(self):
        self.env.click_text(self.s.open_panel(), "Pseudo")  # the panel in front
        since = self.log.mark()
        self.env.xdotool("keydown", "Scroll_Lock")
        try:
            self.log.wait_for("button", r"^9 down$", 2, since)
            time.sleep(1.0)
            released = self.log.mark()  # before the release: it may be seen before xdotool ends
        finally:
            self.env.xdotool("keyup", "Scroll_Lock")
        down = self.log.wait_for("button", r"^9 down$", 3, released)
        up = self.log.wait_for("button", r"^9 up$", 3, released)
        self.assertAlmostEqual(up[0] - down[0], 500, delta=150)


class CategoryMessage(SessionTest):
    def test_a_message_to_the_red_users(self):
        self.env.click_text(self.s.open_panel(), "Message aux modos / bleus / verts / rouges")
        title = "Envoi d'un message à une catégorie de users"
        window = self.env.wait_window(title, 5)
        self.env.click(self.env.edits(window)[0])
        self.env.type("réunion à 21h")
        self.shot("categories")
        since = self.log.mark()
        self.env.click_text(window, "Envoi aux rouges")
        self.sent("/msg 'OWNER' Message aux rouges : réunion à 21h (de Modo)", since, 3)
        # The line goes first; the window hides once the sender's pause is over.
        wait(lambda: not self.env.windows_titled(title), 3, "the window hides after the send")


class SingleInstance(unittest.TestCase):
    def test_a_second_copy_ends_the_first_and_another_name_is_left(self):
        env, settings = environment(), {"Parametres": {"AffWarning": "N"}}
        first = Verdelune(env, "instance-first", settings)
        self.addCleanup(first.stop)
        # Seen through X: a winprobe started while the prefix's only program starts can wait
        # 30 s and more for the desktop. Visible, not merely made: the window is shown after
        # its load has ended the older copies, so the second copy is the one that loads last.
        wait(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", MAIN_TITLE],
                                    capture_output=True).returncode == 0, 30, "the first window")
        second = Verdelune(env, "instance-second", settings)
        self.addCleanup(second.stop)
        first.proc.wait(timeout=30)
        renamed = Verdelune(env, "instance-renamed", settings, exe_name="verdelune-copie.exe")
        self.addCleanup(renamed.stop)
        time.sleep(6)
        self.assertIsNone(second.proc.poll(), "a copy under another name ends nothing")
        self.assertIsNone(renamed.proc.poll(), "and is not ended")
