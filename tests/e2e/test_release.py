"""The release zip as a moderator gets it: unzipped into a fresh folder, verdelune.exe started
from there for the first time beside the practice room of the same zip, the room bot's
nickname typed, the hand dragged onto the room and a user kicked."""

import os
import shutil
import zipfile

from harness import MAIN_TITLE, Session, SessionTest, environment, wait

CLOSE = "J'ai bien lu ... Fermer cette fenêtre"


class FromTheZip(SessionTest):
    def setUp(self):
        self.env, self.name = environment(), "release"
        unzipped = self.env.out / "release-unzipped"
        shutil.rmtree(unzipped, ignore_errors=True)
        with zipfile.ZipFile(os.environ["VL_RELEASE_ZIP"]) as z:
            z.extractall(unzipped)
        self.home = unzipped / "Verdelune-1.05"
        os.environ["VL_ROOMSIM"] = str(self.home / "outils" / "roomsim.exe")
        self.s = Session(self.env, self.name, installed=self.home, users=None)  # its own users
        self.log, self.room = self.s.log, self.s.room

    def test_first_start_attach_and_kick(self):
        env, ini = self.env, self.home / "verdelune.ini"
        main = env.wait_window(MAIN_TITLE, 30, having=CLOSE)
        env.click_text(main, CLOSE)
        wait(lambda: env.controls(main, "Entrez le pseudo du roombot svp !"), 5, "the box")
        env.type("RoomBot")  # the box has the keyboard
        env.xdotool("key", "Return")
        wait(lambda: ini.exists() and b"RoomBot" in ini.read_bytes(), 5,
             "the nickname kept in the unzipped folder")
        self.s.open_panel()
        panel = self.s.pick("Bob")
        since = self.log.mark()
        env.click(max(env.controls(panel, "Kick"), key=lambda c: c.rect[0]))  # without reason
        self.sent("/msg RoomBot Bob, kick non respect des CGU", since)
        wait(lambda: "Bob" not in self.room.users(), 3, "Bob gone from the room's list")
