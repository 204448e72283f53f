// The control panel's window: its options and their settings keys, the room bot's nickname,
// the pause mode, the ways out and the room watchdog.
#include "panel/Reglages.h"

#include "support/AttachFixture.h"

namespace vl::test {
namespace {

class ReglagesTest : public AttachFixture {
 protected:
  void Open(const std::string& settings = "") {
    room.onPosted = [this](const std::wstring& text) {
      if (text == app.records.shared.IdentText) room.AddLine(Answer(1));
    };
    StartAndAttach(settings);
    fake.Advance(500);
    ASSERT_TRUE(panel().Visible());
  }
  bool Topmost() { return fake.fakeWindows().PeerOf(panel())->Topmost(); }
};

TEST_F(ReglagesTest, AFreshSettingsFileGivesTheDefaults) {
  Open();
  EXPECT_EQ(panel().Caption(), L"Verdelune  - V 1.05");
  for (const wchar_t* item : {L"AnnonceEntree", L"SalutNewUser", L"signe"}) {
    EXPECT_FALSE(panel().Menu(item).Checked()) << item;
  }
  EXPECT_EQ(app.records.panel.FichierSonEntree, L"C:\\Verdelune\\ding-dong1.wav");
  for (const std::wstring& phrase : app.records.phrases)
    EXPECT_EQ(phrase, L"");
  EXPECT_EQ(panel()[L"Label7"].Text(), L"RoomBot");
  EXPECT_TRUE(Topmost());
  EXPECT_TRUE(panel().BoucleLectPseudo.Enabled());
  Rect b = panel().Bounds();
  EXPECT_EQ(b.left, (19200 - b.width) / 2);
}

TEST_F(ReglagesTest, OnlyACapitalOSwitchesAnOptionOn) {
  Open("AnnSonore=o\nSalutNouvUser=O\nSignekick=Oui\nBipEntree=D:\\sons\\gong.wav\n");
  EXPECT_FALSE(app.records.panel.SonEntree);
  EXPECT_TRUE(app.records.panel.SalutAuto);
  EXPECT_TRUE(panel().Menu(L"SalutNewUser").Checked());
  EXPECT_FALSE(app.records.panel.SignerKicks);
  EXPECT_EQ(app.records.panel.FichierSonEntree, L"D:\\sons\\gong.wav");
}

TEST_F(ReglagesTest, TogglingAnOptionWritesAtOnce) {
  Open();
  MenuItem& greet = panel().Menu(L"SalutNewUser");
  fake.ChooseMenu(greet);
  EXPECT_TRUE(app.records.panel.SalutAuto);
  EXPECT_EQ(Setting(L"Parametres", L"SalutNouvUser"), L"O");
  fake.ChooseMenu(greet);
  EXPECT_FALSE(app.records.panel.SalutAuto);
  EXPECT_FALSE(greet.Checked());
  EXPECT_EQ(Setting(L"Parametres", L"SalutNouvUser"), L"N");
  fake.ChooseMenu(panel().Menu(L"signe"));
  fake.ChooseMenu(panel().Menu(L"AnnonceEntree"));
  EXPECT_EQ(Setting(L"Parametres", L"Signekick"), L"O");
  EXPECT_EQ(Setting(L"Parametres", L"AnnSonore"), L"O");
  EXPECT_TRUE(app.records.panel.SignerKicks && app.records.panel.SonEntree);
}

TEST_F(ReglagesTest, PhrasesComeFromTheirKeysOnly) {
  Open();
  std::string phrases =
      "[Raisons]\r\n0=zero\r\n1=Bienvenue $N\r\n01=faux\r\n22=flood\r\n23=trop\r\n";
  fake.fakeProfile().PutFile(kSettingsPath, SettingsBytes() + phrases);
  panel().LitMessages();
  EXPECT_EQ(app.records.phrases[0], L"");
  EXPECT_EQ(app.records.phrases[1], L"Bienvenue $N");
  EXPECT_EQ(app.records.phrases[22], L"flood");
  EXPECT_EQ(app.records.phrases[2], L"");
}

TEST_F(ReglagesTest, TheSoundFileDialogKeepsItsLastChoice) {
  Open();
  fake.ChooseMenu(panel().Menu(L"ChoixWavEntree"));  // cancelled before any choice
  EXPECT_EQ(Setting(L"Parametres", L"BipEntree"), L"");
  auto request = fake.fakeDialogs().Requests().back();
  EXPECT_EQ(request.text, L"C:\\Verdelune");
  EXPECT_EQ(request.caption, L"Fichier de musique au format WAV ");
  EXPECT_EQ(request.defaultAnswer, L"*.wav");
  fake.fakeDialogs().AnswerOpenFile(L"C:\\Sons\\cloche.wav");
  fake.ChooseMenu(panel().Menu(L"ChoixWavEntree"));
  EXPECT_EQ(app.records.panel.FichierSonEntree, L"C:\\Sons\\cloche.wav");
  fake.fakeProfile().PutFile(kSettingsPath, "");
  fake.ChooseMenu(panel().Menu(L"ChoixWavEntree"));  // cancelled: the old choice is written again
  EXPECT_EQ(Setting(L"Parametres", L"BipEntree"), L"C:\\Sons\\cloche.wav");
}

TEST_F(ReglagesTest, ANewRoomBotNicknameShowsAndIsStored) {
  Open();
  fake.fakeDialogs().AnswerInput([this](const DialogRequest& r) {
    EXPECT_FALSE(Topmost()) << "the input box opens over a panel that is not topmost";
    EXPECT_EQ(r.caption, L"Entrez le pseudo du roombot");
    EXPECT_EQ(r.text, L"Vous devez entrer le pseudo du roombot SVP\r\rPseudo du roombot associé ?");
    EXPECT_EQ(r.defaultAnswer, L"RoomBot");
    EXPECT_EQ(r.left, panel().Bounds().left + 100);
    return std::wstring(L"NouveauBot");
  });
  fake.ChooseMenu(panel().Menu(L"changepseudoroombot"));
  EXPECT_EQ(app.records.shared.BotNick, L"NouveauBot");
  EXPECT_EQ(panel()[L"Label7"].Text(), L"NouveauBot");
  EXPECT_EQ(Setting(L"Parametres", L"Pseudo RoomBot"), L"NouveauBot");
  EXPECT_TRUE(Topmost());
}

TEST_F(ReglagesTest, CancellingTheNicknameEndsTheProgram) {
  Open();
  fake.fakeDialogs().AnswerInput(L"");
  fake.ChooseMenu(panel().Menu(L"changepseudoroombot"));
  EXPECT_TRUE(fake.Ended());
  EXPECT_EQ(fake.fakeDialogs().Messages().back().text,
            L"Sans roombot je ne sers à rien, adieu !!!");
  EXPECT_EQ(Setting(L"Parametres", L"Pseudo RoomBot"), L"RoomBot");
}

TEST_F(ReglagesTest, AReactivationLeavesTheNoticeButRestartsTheCapture) {
  Open();
  fake.ChooseMenu(panel().Menu(L"standby"));
  fake.Activate(app.MainWindow());
  fake.Activate(panel());
  EXPECT_EQ(panel()[L"Label6"].Top(), 360);
  EXPECT_TRUE(panel().BoucleLectPseudo.Enabled());
  EXPECT_FALSE(app.records.panel.RobotEnPause);
  fake.ChooseMenu(panel().Menu(L"standby"));  // pause again: the notice stays in view
  EXPECT_EQ(panel()[L"Label6"].Top(), 360);
  EXPECT_FALSE(panel().BoucleLectPseudo.Enabled());
  fake.ChooseMenu(panel().Menu(L"standby"));  // out of pause: out of sight, capture again
  EXPECT_EQ(panel()[L"Label6"].Top(), 5520);
  EXPECT_TRUE(panel().BoucleLectPseudo.Enabled());
}

TEST_F(ReglagesTest, QuitterAsksAndNoLeavesThePanelNotTopmost) {
  Open();
  fake.fakeDialogs().AnswerMessage(MessageBoxAnswer::No);
  fake.ChooseMenu(panel().Menu(L"Quitter"));
  auto question = fake.fakeDialogs().Messages().back();
  EXPECT_EQ(question.text, L"Attention, vous allez refermer le Bot ! Vous confirmez ?");
  EXPECT_EQ(question.caption, L"Confirmation");
  EXPECT_EQ(question.style, MessageBoxStyle::YesNoQuestion);
  EXPECT_FALSE(fake.Ended());
  EXPECT_FALSE(Topmost());
  fake.fakeDialogs().AnswerMessage(MessageBoxAnswer::Yes);
  fake.ChooseMenu(panel().Menu(L"Quitter"));
  EXPECT_TRUE(fake.Ended());
}

TEST_F(ReglagesTest, TheCloseBoxIsRefused) {
  Open();
  fake.Close(panel());
  EXPECT_TRUE(panel().Visible());
  EXPECT_FALSE(fake.Ended());
}

TEST_F(ReglagesTest, TheWatchdogEndsTheProgramWhenARoomControlGoes) {
  Open();
  fake.Advance(3000);
  ASSERT_FALSE(fake.Ended());
  const std::uint64_t gone = fake.fakeClock().Now();
  fake.desktop().Destroy(room.input);
  fake.Advance(2000);
  ASSERT_TRUE(fake.Ended());
  EXPECT_LE(*fake.EndedAt() - gone, 1000u);
  EXPECT_TRUE(fake.fakeDialogs().Messages().empty()) << "without a message";
}

TEST_F(ReglagesTest, TheWatchdogRunsBeforeThePanelIsShown) {
  StartAndAttach();  // no answer: the panel exists, hidden
  fake.desktop().Destroy(room.room);
  fake.Advance(1000);
  EXPECT_TRUE(fake.Ended());
}

}  // namespace
}  // namespace vl::test
