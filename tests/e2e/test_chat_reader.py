"""The range reader against the whole read across processes, on the simulator's real
RichEdit (long lines wrap): after each change of the chat, winprobe reads the last line both
ways, and the reader's own first comparison must agree."""

import unittest

from harness import RoomSim, environment

LONG = "Long: " + "mot " * 900 + "fin"  # many rows, and more than a read's span
# {what, commands, the last line then}; "replace chat" gives the chat a new handle
STEPS = [("short lines", ["line un", "line Join: Zoé"], "Join: Zoé"),
         ("a line longer than the control", [f"line {LONG}"], LONG),
         ("then a short one", ["line (10:00) Join: Alice"], "(10:00) Join: Alice"),
         ("rewritten at the same length", ["amend (10:00) Join: Bobby"], "(10:00) Join: Bobby"),
         ("no final CR LF", ["append en-cours"], "(10:00) Join: Bobby"),
         ("the open line closed", ["line -frappe"], "en-cours-frappe"),
         ("a long history", ["history 5000", "line (10:01) Join: Chloé"], "(10:01) Join: Chloé"),
         ("trimmed from the top", ["trim 3000", "trim 2000"], "(10:01) Join: Chloé"),
         ("a control replaced", ["replace chat"], "(10:01) Join: Chloé")]
DONE = {"line": "chat", "replace": "ready"}  # the event that says a command was carried out


class ChatReaderTest(unittest.TestCase):
    def test_both_reads_agree_on_every_chat(self):
        env = environment()
        room = RoomSim(env, self._testMethodName)
        self.addCleanup(room.stop)
        chat = room.info["chat"]
        for what, commands, last in STEPS:
            for command in commands:
                since, verb = room.log.mark(), command.split()[0]
                room.send(command)
                done = room.log.wait_for(DONE.get(verb, verb), None, 120, since)
            chat = dict(p.split("=", 1) for p in done[2].split())["chat"] if verb == "replace" \
                else chat
            with self.subTest(what):
                whole, ranged, checked = env.probe("lastline", chat)
                self.assertEqual((whole, ranged), ("+" + last, "+" + last))
                self.assertRegex(checked, r"^[1-9]\d* agree$", "range reads refused, or differed")
        self.assertNotEqual(chat, room.info["chat"])


if __name__ == "__main__":
    unittest.main()
