"""The room simulator where its unit tests cannot look and the Verdelune journeys do not: its
window tree, the real mouse on its buttons, its close; and the program's range reader against the
whole read on its real RichEdit (winprobe lastline). Every journey uses its send button."""

import unittest

from harness import RoomSim, environment

LONG = "Long: " + "mot " * 900 + "fin"  # many rows (lines wrap), and more than a read's span
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


class RoomSimTest(unittest.TestCase):
    def setUp(self):
        self.env = environment()
        self.room = RoomSim(self.env, self._testMethodName, "--site", "Salons, Café du Nord",
                            "--room", "Été", users=None)
        self.info, self.log = self.room.info, self.room.log
        self.addCleanup(self.room.stop)
        self.addCleanup(self.env.screenshot, self._testMethodName)

    def test_window_tree_real_mouse_and_close(self):
        tree = self.env.windows("tree", self.info["top"])
        self.assertEqual([(w.depth, w.hwnd) for w in tree[:3]],
                         [(0, self.info["top"]), (1, self.info["frame"]), (2, self.info["room"])])
        self.assertEqual(tree[0].title, "Salons, Café du Nord - Été")
        # The room window's own parent is never looked at; the tab class is above it.
        self.assertEqual(["TabWindowClass" in w.cls for w in tree[:2]], [True, False])
        self.assertEqual([(w.depth, w.cls) for w in tree[3:]],
                         [(3, c) for c in ["RichEdit20W", "Edit"] + ["Button"] * 9 + ["ListBox"]])
        self.assertEqual([w.title for w in (tree[5], tree[12], tree[13])],
                         ["Envoyer", "Parler", "Appuyer pour parler"])
        # A practice room is not empty: the users the guide's pictures show are there.
        self.assertEqual(self.room.users(), ["Alice", "Bob", "Zoé", "Marc"])
        # A message to a class of users gets the sign that it went out.
        since = self.log.mark()
        self.room.command("type /msg 'OPW' Réunion à 20 h")
        self.env.click(self.room.button_points[0])
        self.log.wait_for("chat", "Message remis aux utilisateurs verts et rouges$", 5, since)
        # A real click on the eighth button takes the microphone.
        since = self.log.mark()
        self.env.click(self.room.button_points[7])
        for kind, details in (("button", "8 down"), ("mic", "moderator"), ("clicked", "8")):
            self.log.wait_for(kind, f"^{details}$", 5, since)
        buttons = self.env.windows("tree", self.info["room"])[3:12]
        self.assertEqual([buttons[7].enabled, buttons[8].enabled], [True, False])
        # Close: the room window goes with its children, the top window stays 1.5 s, then the
        # end. The command has been carried out once it is logged.
        self.room.command("close")
        self.assertNotEqual(self.env.probe("tree", self.info["top"]), [])
        self.assertEqual(self.env.probe("tree", self.info["room"]), [])
        self.log.wait_for("exit", None, 10)
        self.room.proc.wait(timeout=10)

    def test_the_range_reader_gives_the_whole_reads_last_line_on_every_chat(self):
        chat = self.info["chat"]
        for what, commands, last in STEPS:
            for command in commands:
                since, verb = self.log.mark(), command.split()[0]
                self.room.send(command)
                done = self.log.wait_for(DONE.get(verb, verb), None, 120, since)
            if verb == "replace":
                chat = dict(p.split("=", 1) for p in done[2].split())["chat"]
            with self.subTest(what):  # whole, range, then the length and the first comparison
                lines = self.env.probe("lastline", chat)
                self.assertEqual(lines[:2], ["+" + last] * 2)
                self.assertRegex(lines[2], r"^[1-9]\d* agree$")
        self.assertNotEqual(chat, self.info["chat"])


if __name__ == "__main__":
    unittest.main()
