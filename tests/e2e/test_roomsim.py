"""The room simulator where its unit tests cannot look and the Verdelune journeys do not: its
window tree, the real mouse on its buttons, its close. Every journey uses its send button."""

import unittest

from harness import RoomSim, environment


class RoomSimTest(unittest.TestCase):
    def setUp(self):
        self.env = environment()
        self.room = RoomSim(self.env, self._testMethodName, "--site", "Salons, Café du Nord",
                            "--room", "Été")
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
