// The control panel's window: its options and the settings bytes they write, the room bot's
// nickname, the pause mode, the ways out and the room watchdog.
#include "panel/Reglages.h"

#include <algorithm>

#include "support/Fixtures.h"

namespace vl::test {
namespace {

using ReglagesTest = OpenPanelTest;

TEST_F(PanelFixture, OnlyACapitalOSwitchesAnOptionOn) {
  OpenPanel("AnnSonore=o\nSalutNouvUser=O\nSignekick=Oui\n");
  EXPECT_FALSE(app.records.panel.SonEntree);
  EXPECT_TRUE(panel().Menu(L"SalutNewUser").Checked());
  EXPECT_FALSE(app.records.panel.SignerKicks);
}

TEST_F(ReglagesTest, ACentredTopmostPanelWithEachOptionOffAndWrittenAtOnce) {
  EXPECT_TRUE(OnTop(panel()));
  EXPECT_EQ(panel().Bounds().left, (19200 - panel().Bounds().width) / 2);
  PanelState& p = app.records.panel;
  const std::tuple<const wchar_t*, const wchar_t*, bool*> cases[] = {
      {L"SalutNewUser", L"SalutNouvUser", &p.SalutAuto},
      {L"signe", L"Signekick", &p.SignerKicks},
      {L"AnnonceEntree", L"AnnSonore", &p.SonEntree},
  };
  for (auto [item, key, record] : cases) {
    for (const wchar_t* value : {L"O", L"N"}) {
      fake.ChooseMenu(panel().Menu(item));
      EXPECT_EQ(Setting(L"Parametres", key), value) << key;
      EXPECT_EQ(*record, value[0] == 'O') << key;
      EXPECT_EQ(panel().Menu(item).Checked(), value[0] == 'O') << key;
    }
  }
}

TEST_F(ReglagesTest, TheSoundFileDialogKeepsItsLastChoice) {
  fake.fakeDialogs().AnswerOpenFile(L"C:\\Sons\\cloche.wav");
  fake.ChooseMenu(panel().Menu(L"ChoixWavEntree"));
  EXPECT_EQ(fake.fakeDialogs().Requests().back().text, L"C:\\Verdelune");
  fake.fakeProfile().PutFile(kSettingsPath, "");
  fake.ChooseMenu(panel().Menu(L"ChoixWavEntree"));  // cancelled: the old choice is written again
  EXPECT_EQ(Setting(L"Parametres", L"BipEntree"), L"C:\\Sons\\cloche.wav");
}

TEST_F(ReglagesTest, ANewRoomBotNicknameIsStoredAndNoneEndsTheProgram) {
  fake.fakeDialogs().AnswerInput([this](const DialogRequest& r) {
    EXPECT_FALSE(OnTop(panel())) << "the input box opens over a panel that is not topmost";
    EXPECT_EQ(r.left, panel().Bounds().left + 100);
    return std::wstring(L"NouveauBot");
  });
  fake.ChooseMenu(panel().Menu(L"changepseudoroombot"));
  EXPECT_EQ(Setting(L"Parametres", L"Pseudo RoomBot"), L"NouveauBot");
  EXPECT_TRUE(OnTop(panel()));
  fake.fakeDialogs().AnswerInput(L"");
  fake.ChooseMenu(panel().Menu(L"changepseudoroombot"));
  EXPECT_TRUE(fake.Ended());
  EXPECT_EQ(Setting(L"Parametres", L"Pseudo RoomBot"), L"NouveauBot");
}

TEST_F(ReglagesTest, AReactivationLeavesThePauseNoticeButRestartsTheCapture) {
  fake.ChooseMenu(panel().Menu(L"standby"));
  // In view, the notice leaves the target's line free, and the missing-nickname signal
  // (a later control) lies above it.
  const Rect notice = panel()[L"Label6"].Bounds();
  EXPECT_LE(notice.top + notice.height, panel()[L"Label2"].Top());
  const auto& all = panel().Controls();
  auto order = [&](const wchar_t* name) {
    return std::find_if(all.begin(), all.end(), [&](auto& c) { return c->Name() == name; });
  };
  EXPECT_GT(order(L"frameerreur"), order(L"Label6"));
  fake.Activate(app.MainWindow());
  fake.Activate(panel());
  EXPECT_EQ(panel()[L"Label6"].Top(), 360);
  EXPECT_TRUE(panel().BoucleLectPseudo.Enabled());
  fake.ChooseMenu(panel().Menu(L"standby"));  // pause again: the notice stays in view
  EXPECT_EQ(panel()[L"Label6"].Top(), 360);
  fake.ChooseMenu(panel().Menu(L"standby"));
  EXPECT_EQ(panel()[L"Label6"].Top(), 5520);
}

TEST_F(ReglagesTest, NoToQuitterAndTheCloseBoxLeaveItOpen) {
  fake.Close(panel());
  fake.fakeDialogs().AnswerMessage(MessageBoxAnswer::No);
  fake.ChooseMenu(panel().Menu(L"Quitter"));
  EXPECT_FALSE(fake.Ended());
  EXPECT_TRUE(panel().Visible());
  EXPECT_FALSE(OnTop(panel()));
}

TEST_F(PanelFixture, TheWatchdogEndsTheProgramBeforeThePanelIsShown) {
  StartAndAttach();  // no answer: the panel exists, hidden
  const std::uint64_t gone = fake.fakeClock().Now();
  fake.desktop().Destroy(room.input);
  fake.Advance(2000);
  ASSERT_TRUE(fake.Ended());
  EXPECT_LE(*fake.EndedAt() - gone, 1000u);
  EXPECT_TRUE(fake.fakeDialogs().Messages().empty()) << "without a message";
}

}  // namespace
}  // namespace vl::test
