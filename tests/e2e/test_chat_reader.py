"""The range reader against the whole read across processes, on the simulator's real
RichEdit: after each change of the chat, winprobe reads the last line both ways and the
reader's own first comparison must agree. The chat is a few hundred pixels wide: long lines wrap."""

import unittest

from harness import RoomSim, environment

LONG = "Long: " + "mot " * 900 + "fin" # thousands of characters: many rows, more than a read's span
# {what, commands, the last line then}
STEPS = [
    ("short lines", ["line un", "line Join: Zoé"], "Join: Zoé"),
    ("a line longer than the control, wrapped", [f"line {LONG}"], LONG),
    ("then a short one", ["line (10:00) Join: Alice"], "(10:00) Join: Alice"),
    ("replaced at the same length", ["amend (10:00) Join: Bobby"], "(10:00) Join: Bobby"),
    ("no final CR LF", ["append en-cours"], "(10:00) Join: Bobby"),
    ("the open line closed", ["line -frappe"], "en-cours-frappe"),
    ("a long history", ["history 5000", "line (10:01) Join: Chloé"], "(10:01) Join: Chloé"),
    ("trimmed from the top", ["trim 3000"], "(10:01) Join: Chloé"),
    ("trimmed to a few lines", ["trim 2000"], "(10:01) Join: Chloé"),
]


class ChatReaderTest(unittest.TestCase):
    def setUp(self):
        self.env = environment()
        self.room = RoomSim(self.env, self._testMethodName)
        self.addCleanup(self.room.stop)

    def read(self, chat):
        lines = self.env.probe("lastline", chat)
        self.assertEqual(len(lines), 4, lines)
        return lines

    def test_both_reads_agree_on_every_chat(self):
        for what, commands, last in STEPS:
            with self.subTest(what):
                for command in commands:
                    since = self.room.log.mark()
                    self.room.send(command)
                    verb = command.split()[0]
                    self.room.log.wait_for("chat" if verb == "line" else verb, None, 120, since)
                whole, ranged, length, verdict = self.read(self.room.info["chat"])
                self.assertEqual((whole, ranged, verdict), (f"whole {last}", f"range {last}",
                                                            "agree"))
                self.assertGreater(int(length.split()[1]), 0, "the range reads were refused")
        # A chat replaced by another (the lines kept): read by its new handle.
        since = self.room.log.mark()
        self.room.command("replace chat")
        ready = self.room.log.wait_for("ready", since=since)
        chat = dict(pair.split("=", 1) for pair in ready[2].split())["chat"]
        self.assertNotEqual(chat, self.room.info["chat"])
        self.assertEqual(self.read(chat)[:2], ["whole (10:01) Join: Chloé",
                                               "range (10:01) Join: Chloé"])


if __name__ == "__main__":
    unittest.main()
