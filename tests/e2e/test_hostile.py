"""A room that fights back: a chat that lies about its length, a client slow over every send,
a line full of join markers, a nickname with full stops. Verdelune stays up, small and quick,
and says in the room what the moderator asked, once, to the person it was asked for."""

import time
import unittest

from harness import PANEL_TITLE, SessionTest, proc_sample, wait
from test_moderation import KICK, PICKER

GREETING = {"Parametres": {"SalutNouvUser": "O"}, "Raisons": {"1": "Bienvenue $N !"}}
PAUSE, PAUSED = ("key", "alt", "Right", "Return"), "Robot en pause"  # the menu "Pause"


class LyingChat(SessionTest):
    settings = GREETING

    def test_a_length_of_0x7fffffff_then_the_truth(self):
        panel = self.s.open_panel()
        self.env.click_text(panel, "Pseudo")  # the panel in front, for the keys
        since, peak, took = self.log.mark(), 0, {}
        # The pause on and off from the keyboard, with the true length, then for 7 s of the lie:
        # told at the next tick's length, then at the next comparison's whole read (5 s apart).
        for lie, seconds in ((None, 1), ("2147483647", 7)):
            if lie:
                self.room.command(f"lie length {lie}")
            start, took[lie] = time.monotonic(), 0
            while time.monotonic() - start < seconds:
                self.assertIsNone(self.s.vl.proc.poll(), "the program goes on")
                peak = max(peak, proc_sample(self.s.vl.proc.pid)[0])
                took[lie] = max([took[lie]] + [
                    self.answers(panel, lambda: self.env.xdotool(*PAUSE), PAUSED, shown)
                    for shown in (True, False)])
        for message in ("EM_GETTEXTLENGTHEX", "WM_GETTEXTLENGTH"):
            self.assertTrue(self.log.matching("lie", f"^{message} ", since), message)
        print(f"slowest key: {took[None]:.2f} s with the true length, "
              f"{took['2147483647']:.2f} s with the lie; memory at most {peak} kB")
        self.assertLess(peak, 100 * 1024, "verdelune.exe's memory (kB)")
        self.assertLess(took["2147483647"] - took[None], 0.5, "the panel answers within 0.5 s")

        self.room.command("lie length off")
        since = self.log.mark()
        self.room.command("join Zoé en notime")
        self.sent("Bienvenue Zoé !", since, 5)
        self.assertTrue(self.log.absent_for("chat", "Bienvenue", 3, self.log.mark()))
        self.assertEqual(len(self.log.matching("chat", "Bienvenue", since)), 1)


class SlowClient(SessionTest):
    settings = GREETING

    def test_450_ms_over_every_text_and_click(self):
        self.room.send("join Bob", "say Bob bonjour")  # no join line last at the attach
        self.room.command("slow 450")
        since = self.log.mark()
        self.s.attach()
        self.env.wait_window(PANEL_TITLE, 20)  # answered: the handshake did not give up
        self.assertTrue(self.log.matching("slow", "^WM_LBUTTONUP 450$", since), "staged")

        # The moderator acts while a tick greets into the slow client.
        since = self.log.mark()
        panel = self.env.wait_window(PANEL_TITLE, 5)
        self.env.click_text(panel, "Pseudo")  # the panel in front, for the keys
        self.room.command("join Zoé en notime")
        took = [self.answers(panel, lambda: self.env.xdotool(*PAUSE), PAUSED, shown)
                for shown in (True, False)]
        print(f"slow 450: the panel answered in {', '.join(f'{t:.2f}' for t in took)} s")
        self.assertLess(max(took), 1.0, "the panel answers while a line goes to the client")
        self.sent("Bienvenue Zoé !", since, 10)
        self.assertTrue(self.log.absent_for("chat", "Bienvenue", 3, self.log.mark()))
        self.assertEqual(len(self.log.matching("chat", "Bienvenue", since)), 1)

        since = self.press(self.s.pick("Bob", 10), "Kick")
        self.env.click(self.env.edits(self.env.wait_window(PICKER, 5, having=KICK))[0])
        self.env.type("spam répété")
        self.env.xdotool("key", "Return")
        self.sent("/msg RoomBot Bob, kick spam répété", since, 10)
        self.log.wait_for("chat", "RoomBot: Bob a été expulsé", 5, since)
        self.assertIn(b"\r\nPseudo RoomBot=RoomBot\r\n",
                      (self.s.vl.folder / "verdelune.ini").read_bytes())


class HostileLines(SessionTest):
    settings = {"Parametres": {"SalutNouvUser": "O"}, "Raisons": {"1": "Bienvenue $N"}}

    def test_a_line_of_nested_join_markers_gets_one_greeting(self):
        self.s.open_panel()
        since = self.log.mark()
        self.room.command("say Bob JoJoin: in: hi")
        time.sleep(5)  # the greeting, and any greeting of its echo read back as a join line
        greetings = self.log.matching("chat", "Modo: Bienvenue", since)
        self.assertEqual([e[2].split("Modo: ")[1] for e in greetings], ["Bienvenue in: hi"])

    def test_a_captured_nickname_keeps_its_full_stops(self):
        self.room.command("join Ali.ce")
        panel = self.s.open_panel()
        since = self.log.mark()
        self.room.command("pick Ali.ce")
        self.log.wait_for("input", r"^Ali\.ce, $", 3, since)
        self.log.wait_for("input", r"^\.$", 3, since)  # taken: the marker in its place
        shown = wait(lambda: {c.title for c in self.env.controls(panel) if c.visible} &
                     {"Ali.ce", "Alice"}, 3, "the target in the panel")
        self.assertEqual(shown, {"Ali.ce"}, "the panel's target")
        since = self.press(panel, "Met noir")
        self.sent("/msg RoomBot Ali.ce, noir", since)


if __name__ == "__main__":
    unittest.main()
