"""Moderation under Wine: the target picked in the room's list, each command button, reasons
picked and typed, a warning, a greeting, and a phrase edited and used at once."""

from harness import PANEL_TITLE, SessionTest, wait

PICKER, KICK = "Messages de raison et d'annonces divers", "Raisons pour kick et puni"


class Scenario(SessionTest):
    settings = {"Parametres": {"Signekick": "O"},
                "Raisons": {"1": "Bienvenue $N !", "2": "Soirée quiz à 21h",
                            "7": "merci de rester poli", "14": "flood", "15": "insultes"}}

    def setUp(self):
        super().setUp()
        self.s.open_panel()


class Commands(Scenario):
    users = "Alice,Zoé"

    def test_pick_then_every_command_button(self):
        for caption, verb in [("Coupe/Remet micro", "swmic"), ("Coupe micro perm.", "blocmic"),
                              ("Met bleu", "bleu"), ("Met noir", "noir"), ("Dépunir", "depuni"),
                              ("Regarde qui", "matequi"), ("Regardé par qui", "mateparqui"),
                              ("1 mois", "ban1")]:
            panel = self.s.pick("Alice")
            if verb == "swmic":
                self.shot("target")
            since = self.press(panel, caption)
            self.sent(f"/msg RoomBot Alice, {verb}", since)
            self.log.wait_for("chat", "RoomBot: (?!commande inconnue)", 5, since)  # understood
        # The ban took Alice out of the room; the next target is Zoé.
        since = self.press(self.s.pick("Zoé"), "Kick", -1)
        self.sent("/msg RoomBot Zoé, kick non respect des CGU (par Modo )", since)
        self.log.wait_for("chat", "RoomBot: Zoé", 5, since)
        wait(lambda: "Zoé" not in self.room.users(), 3, "Zoé gone from the room's list")


class Reasons(Scenario):
    users = "Bob,Carl"

    def test_a_picked_reason_and_a_typed_one(self):
        since = self.press(self.s.pick("Bob"), "Kick")
        picker = self.env.wait_window(PICKER, 5, having=KICK)
        self.shot("reasons")
        self.env.click_text(picker, "flood")
        self.sent("/msg RoomBot Bob, kick flood (par Modo )", since)
        wait(lambda: not self.env.windows_titled(PICKER), 3, "the picker hides")

        since = self.press(self.s.pick("Carl"), "Punish")
        self.env.click(self.env.edits(self.env.wait_window(PICKER, 5, having=KICK))[0])
        self.env.type("spam répété")
        self.env.xdotool("key", "Return")
        self.sent("/msg RoomBot Carl, puni spam répété (par Modo )", since)


class WarningAndGreeting(Scenario):
    users = "Dan"

    def test_a_warning_and_a_greeting_with_the_nickname(self):
        since = self.press(self.s.pick("Dan"), "Avertir")
        picker = self.env.wait_window(PICKER, 5, having="Phrases d'avertissement (warnings)")
        self.shot("warnings")
        self.env.click_text(picker, "merci de rester poli")
        self.sent("Dan, merci de rester poli", since)

        since = self.press(self.s.pick("Dan"), "Diffuser annonce")
        greetings = self.env.wait_window("Messages d'accueil et d'annonces divers", 5)
        self.shot("greetings")
        self.env.click_text(greetings, "Bienvenue $N !")
        self.sent("Bienvenue Dan !", since)


class PhraseEditor(Scenario):
    users = "Eve"

    def test_a_saved_phrase_is_used_at_once(self):
        self.menu(self.env.wait_window(PANEL_TITLE), "Return", "Down", "Return")
        editor = self.env.wait_window("Choix d'une raison", 5)
        self.shot("editor")
        boxes = self.env.edits(editor)
        self.assertEqual(len(boxes), 22)
        self.assertEqual(self.env.text(boxes[13].hwnd), "flood")
        self.env.click(boxes[13])
        self.env.xdotool("key", "End", "shift+Home")
        self.env.type("propos racistes")
        self.env.click_text(editor, "Valider")
        wait(lambda: not self.env.windows_titled("Choix d'une raison"), 5, "the editor closes")
        self.assertIn(b"\r\n14=propos racistes\r\n",
                      (self.s.vl.folder / "verdelune.ini").read_bytes())

        since = self.press(self.s.pick("Eve"), "Kick")
        picker = self.env.wait_window(PICKER, 5, having="propos racistes")
        self.env.click_text(picker, "propos racistes")
        self.sent("/msg RoomBot Eve, kick propos racistes (par Modo )", since)
