// The phrase editor: all 22 keys written by "Valider", nothing by "Annuler", the close box
// refused, and a saved phrase showing in the pickers without a restart.
#include "dialogs/MessagesEdit.h"

#include "dialogs/RaisonsKick.h"
#include "dialogs/Warnings.h"
#include "support/PanelFixture.h"

namespace vl::test {
namespace {

class MessagesEditTest : public PanelFixture {
 protected:
  void SetUp() override {
    OpenPanel();
    SetPhrase(1, L"Bonjour $N");
    SetPhrase(8, L"pas de majuscules");
  }
  MessagesEdit& Open() {
    fake.ChooseMenu(panel().Menu(L"Mesgusers"));
    return *app.PhraseEditor();
  }
  bool PanelOnTop() { return fake.fakeWindows().PeerOf(panel())->Topmost(); }
};

TEST_F(MessagesEditTest, TheBoxesStartFromThePhrases) {
  MessagesEdit& editor = Open();
  EXPECT_FALSE(PanelOnTop()) << "the panel lets the editor come above it";
  EXPECT_EQ(editor.Caption(), L"Choix d'une raison");
  EXPECT_EQ(editor[BoxName(0)].Text(), L"Bonjour $N");
  EXPECT_EQ(editor[BoxName(7)].Text(), L"pas de majuscules");
  EXPECT_EQ(editor[BoxName(21)].Text(), L"");
  EXPECT_EQ(editor[BoxName(3)].ForeColour(), 0x0000FFu);
  fake.MouseDown(editor[BoxName(3)], MouseButton::Right);
  EXPECT_EQ(editor[BoxName(3)].ForeColour(), 0xFF0000u);
}

TEST_F(MessagesEditTest, ValiderWritesAllKeysAndThePickersShowThemAtOnce) {
  MessagesEdit& editor = Open();
  fake.Type(editor[BoxName(0)], L"");
  fake.Type(editor[BoxName(13)], L"propos racistes");
  fake.Type(editor[BoxName(6)], L"calme-toi");
  fake.KeyDown(editor[BoxName(6)], kKeyEnter);  // Enter does not save
  EXPECT_EQ(Setting(L"Raisons", L"7"), L"");
  fake.Click(editor[L"Valider"]);
  EXPECT_TRUE(editor.Unloaded());
  EXPECT_TRUE(PanelOnTop());
  EXPECT_EQ(app.records.phrases[14], L"propos racistes");
  const std::string bytes = SettingsBytes();
  for (int key = 1; key <= 22; ++key) {
    EXPECT_NE(bytes.find("\r\n" + std::to_string(key) + "="), std::string::npos) << key;
  }
  EXPECT_NE(bytes.find("\r\n1=\r\n"), std::string::npos) << "an emptied phrase is stored empty";
  EXPECT_EQ(Setting(L"Raisons", L"8"), L"pas de majuscules");

  SetTarget(L"Alice");
  Click(L"ReyCommand4");
  EXPECT_EQ((*app.RaisonsKickWindow())[LineName(13)].Text(), L"propos racistes");
  fake.Press((*app.RaisonsKickWindow())[LineName(13)]);
  EXPECT_EQ(Sent().back(), L"/msg RoomBot Alice, kick propos racistes");
  fake.Activate(panel());
  Click(L"ReyCommand14");
  EXPECT_EQ((*app.WarningsWindow())[LineName(6)].Text(), L"calme-toi");
  // Read back at the next start.
  panel().LitMessages();
  EXPECT_EQ(app.records.phrases[7], L"calme-toi");
  EXPECT_EQ(app.records.phrases[1], L"");
}

TEST_F(MessagesEditTest, AnnulerSavesNothing) {
  MessagesEdit& editor = Open();
  const std::string before = SettingsBytes();
  fake.Type(editor[BoxName(0)], L"perdu");
  fake.Click(editor[L"Annuler"]);
  EXPECT_TRUE(editor.Unloaded());
  EXPECT_EQ(app.records.phrases[1], L"Bonjour $N");
  EXPECT_EQ(SettingsBytes(), before);
  EXPECT_EQ(Open()[BoxName(0)].Text(), L"Bonjour $N") << "made anew from the phrases";
}

TEST_F(MessagesEditTest, TheCloseBoxDoesNotClose) {
  MessagesEdit& editor = Open();
  fake.Close(editor);
  EXPECT_TRUE(editor.Visible());
  EXPECT_FALSE(PanelOnTop()) << "the panel is not put above the editor that stays";
}

}  // namespace
}  // namespace vl::test
