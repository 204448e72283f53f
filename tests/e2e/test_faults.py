"""Faults of a live room: a client that hangs, controls the client replaces, a settings file
that cannot be written. Verdelune must answer the moderator throughout and lose nothing."""

import time
import unittest

from harness import PANEL_TITLE, SessionTest, wait

GREETING = {"Parametres": {"SalutNouvUser": "O"}, "Raisons": {"1": "Bienvenue $N !"}}


class Hang(SessionTest):
    settings = GREETING

    def hang(self, ms):
        panel = self.s.open_panel()
        since = self.log.mark()
        self.room.send("join Zoé en notime", f"hang {ms}")
        self.log.wait_for("hang", f"^{ms}$", 5, since)
        took = [self.answers(panel, lambda: self.env.click_text(panel, "Met noir"),
                             "Pseudo user manquant")]
        time.sleep(1.2)  # the signal holds the program for its second, by design
        pause = ("key", "alt", "Right", "Return")
        took.append(self.answers(panel, lambda: self.env.xdotool(*pause), "Robot en pause"))
        self.env.xdotool(*pause)  # out of pause again, the capture with it
        print(f"hang {ms} ms: the panel answered in {', '.join(f'{t:.2f}' for t in took)} s")
        # Without a hang both take about 0.5 s here, winprobe's own 0.16 s included.
        self.assertLess(max(took), 1.5, "the panel answers while the client hangs")
        self.log.wait_for("hang", "^end$", ms / 1000 + 10, since)
        # The join line still last is greeted once; then everything goes on.
        self.sent("Bienvenue Zoé !", since, 5)
        self.assertTrue(self.log.absent_for("chat", "Bienvenue", 3, self.log.mark()))
        self.assertEqual(len(self.log.matching("chat", "Bienvenue Zoé !$", since)), 1)
        since = self.log.mark()
        self.env.click_text(self.s.pick("Zoé"), "Met noir")
        self.sent("/msg RoomBot Zoé, noir", since)

    def test_ten_seconds(self):
        self.hang(10000)

    def test_one_minute(self):
        self.hang(60000)


class ReplacedControls(SessionTest):
    settings = GREETING

    def test_new_chat_input_and_buttons_then_a_join_gets_one_greeting(self):
        self.s.open_panel()
        for what in ("chat", "input", "buttons"):
            self.room.command(f"replace {what}")
        time.sleep(2)  # the watchdog's second
        since = self.log.mark()
        self.room.command("join Zoé en notime")
        self.sent("Bienvenue Zoé !", since, 5)
        self.assertTrue(self.log.absent_for("chat", "Bienvenue", 3, self.log.mark()))
        self.assertEqual(len(self.log.matching("chat", "Bienvenue Zoé !$", since)), 1)
        self.assertIsNone(self.s.vl.proc.poll(), "the program goes on")


class GarbledBot(SessionTest):
    def test_garbage_is_no_answer_and_a_second_answer_changes_nothing(self):
        self.room.send("bot garbage on", "bot twice on")
        since, ident = self.log.mark(), r"/msg RoomBot Verdelune\d{5}$"
        self.s.attach()
        wait(lambda: len(self.log.matching("chat", ident, since)) > 1, 5, "a send again")
        self.assertEqual(self.env.windows_titled(PANEL_TITLE), [])
        self.room.command("bot garbage off")
        panel = self.env.wait_window(PANEL_TITLE, 5)
        sends = len(self.log.matching("chat", ident, since))
        time.sleep(4)  # past the answer's second copy and two more re-send times
        self.assertGreaterEqual(
            len(self.log.matching("chat", "RoomBot: Verdelune identifié %[0-9A-F]{4}1$", since)), 2)
        self.assertEqual(len(self.log.matching("chat", ident, since)), sends)
        self.assertEqual(self.env.windows_titled(PANEL_TITLE)[0].hwnd, panel.hwnd)
        self.assertIsNone(self.s.vl.proc.poll(), "the program goes on")


class UnwritableSettings(SessionTest):
    def test_the_moderator_is_told_once_and_the_program_goes_on(self):
        panel = self.s.open_panel()
        # A folder in the file's place: no write can succeed, even for root, as the tests run.
        ini = self.s.vl.folder / "verdelune.ini"
        ini.unlink()
        ini.mkdir()
        self.menu(panel, "Return", "Down", "Down", "Return")  # the entry sound, on
        box = self.env.wait_window("Verdelune", 10, having=None)
        texts = " ".join(self.env.text(c.hwnd) or "" for c in self.env.controls(box))
        self.assertIn("n'a pas pu enregistrer", texts)
        self.assertIn(str(self.s.vl.folder.name) + "\\verdelune.ini", texts)
        self.assertIn("Program Files", texts)
        self.shot("unsaved")
        self.env.click_text(box, "OK")
        self.menu(panel, "Return", "Down", "Down", "Return")  # off again: not told twice
        time.sleep(2)
        self.assertEqual(self.env.windows_titled("Verdelune"), [])
        self.assertIsNone(self.s.vl.proc.poll(), "the program goes on")


if __name__ == "__main__":
    unittest.main()
