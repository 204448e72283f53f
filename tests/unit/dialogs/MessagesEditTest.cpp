// The phrase editor: the close box refused, nothing saved by "Annuler", all 22 keys written by
// "Valider", and the panel's topmost state around it. The journeys save one reason and use it.
#include "dialogs/MessagesEdit.h"

#include "support/Fixtures.h"

namespace vl::test {
namespace {

TEST_F(OpenPanelTest, PhraseEditorAnnulerSavesNothingValiderWritesEveryKey) {
  SetPhrase(1, L"Bonjour $N");
  SetPhrase(8, L"pas de majuscules");
  fake.ChooseMenu(panel().Menu(L"Mesgusers"));
  MessagesEdit& first = *app.PhraseEditor();
  EXPECT_EQ(fake.fakeWindows().PeerOf(first)->FocusedControl(), &first[BoxName(0)]);
  EXPECT_FALSE(OnTop(panel())) << "the panel lets the editor come above it";
  fake.Close(first);
  EXPECT_TRUE(first.Visible());
  EXPECT_FALSE(OnTop(panel())) << "the panel is not put above the editor that stays";
  const std::string before = SettingsBytes();
  fake.Type(first[BoxName(0)], L"perdu");
  fake.Click(first[L"Annuler"]);
  EXPECT_TRUE(first.Unloaded());
  EXPECT_EQ(SettingsBytes(), before);

  fake.ChooseMenu(panel().Menu(L"Mesgusers"));
  MessagesEdit& editor = *app.PhraseEditor();
  EXPECT_EQ(editor[BoxName(0)].Text(), L"Bonjour $N") << "made anew from the phrases";
  fake.Type(editor[BoxName(0)], L"");
  fake.KeyDown(editor[BoxName(0)], kKeyEnter);  // Enter does not save
  EXPECT_EQ(SettingsBytes(), before);
  fake.Click(editor[L"Valider"]);
  EXPECT_TRUE(editor.Unloaded());
  EXPECT_TRUE(OnTop(panel()));
  const std::string bytes = SettingsBytes();
  for (int key = 1; key <= 22; ++key)
    EXPECT_NE(bytes.find("\r\n" + std::to_string(key) + "="), std::string::npos) << key;
  EXPECT_NE(bytes.find("\r\n1=\r\n"), std::string::npos) << "an emptied phrase is stored empty";
  EXPECT_NE(bytes.find("\r\n8=pas de majuscules\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vl::test
