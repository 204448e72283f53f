// The main window: the explanations and their switch, the room bot's nickname typed in, and
// the ways out. The journeys check the first window and a start with a stored nickname.
#include "support/Fixtures.h"

namespace vl::test {
namespace {

class PrincipaleTest : public AppFixture {
 protected:
  Principale& main() { return app.MainWindow(); }
  int Top(const wchar_t* control) { return main()[control].Top(); }
  void EnterNick(const std::wstring& nick) {
    ASSERT_TRUE(fake.Type(main()[L"saisiepseudo"], nick));
    ASSERT_TRUE(fake.KeyDown(main()[L"saisiepseudo"], kKeyEnter));
  }
};

TEST_F(PrincipaleTest, TheExplanationsWaitBeforeTheNicknameAndTheBoxWritesAtOnce) {
  Start();
  EXPECT_EQ(Top(L"Frame2"), 7000) << "the nickname entry waits for the explanations";
  EXPECT_EQ(SettingsBytes(), "") << "nothing is stored before the moderator chooses";
  ASSERT_TRUE(fake.Click(main()[L"Check1"]));
  EXPECT_EQ(Setting(L"Parametres", L"AffWarning"), L"N");
  EXPECT_EQ(Top(L"Frame1"), 0) << "the explanations stay in view";
  ASSERT_TRUE(fake.Click(main()[L"ReyCommand1"]));
  EXPECT_EQ(Top(L"Frame1"), 6500);
  EXPECT_EQ(Top(L"Frame2"), 120);
  EXPECT_EQ(fake.fakeWindows().PeerOf(main())->FocusedControl(), &main()[L"saisiepseudo"])
      << "what is typed next is the nickname";
}

TEST_F(PrincipaleTest, OnlyTheExactNSwitchesTheExplanationsOff) {
  for (auto [stored, frame1Top] : {std::pair{"n", 0}, {"NON", 0}, {"", 0}, {" N ", 6500}}) {
    FakePlatform platform;
    App fresh(platform);
    platform.fakeProfile().PutFile(kSettingsPath,
                                   std::string("[Parametres]\r\nAffWarning=") + stored + "\r\n");
    ASSERT_TRUE(platform.Deliver([&] { fresh.Start(); }));
    // Blanks around a value are the profile's, not the value's.
    EXPECT_EQ(fresh.MainWindow()[L"Frame1"].Top(), frame1Top) << "AffWarning=" << stored;
  }
}

TEST_F(PrincipaleTest, ASettingsFileThatCannotBeWrittenIsToldAndTheProgramGoesOn) {
  PutSettings("[Parametres]\nAffWarning=N\n");
  fake.fakeProfile().SetReadOnly(kSettingsPath, true);
  Start();
  EnterNick(L"RoomBot");
  const auto messages = fake.fakeDialogs().Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].text.find(kSettingsPath), std::wstring::npos) << "which file";
  EXPECT_NE(messages[0].text.find(L"Program Files"), std::wstring::npos) << "and what to do";
  EXPECT_FALSE(fake.Ended());
  EXPECT_EQ(app.records.shared.BotNick, L"RoomBot") << "the value lives on in memory";
}

TEST_F(PrincipaleTest, EnterStoresTheNicknameAsTypedAndANewRobotWaitsForEnter) {
  PutSettings("[Parametres]\nAffWarning=N\n");
  Start();
  ASSERT_TRUE(fake.Type(main()[L"saisiepseudo"], L"Robot Bot"));
  ASSERT_TRUE(fake.KeyDown(main()[L"saisiepseudo"], 65));  // any other key only types
  EXPECT_EQ(Top(L"Frame2"), 120);
  ASSERT_TRUE(fake.KeyDown(main()[L"saisiepseudo"], kKeyEnter));
  EXPECT_EQ(main()[L"saisiepseudo"].Text(), L"");
  EXPECT_EQ(Top(L"Frame2"), 7000);
  EXPECT_EQ(SettingsBytes(), "[Parametres]\r\nAffWarning=N\r\nPseudo RoomBot=Robot Bot\r\n");
  ASSERT_TRUE(fake.ChooseMenu(main().Menu(L"newBot")));
  EXPECT_EQ(Top(L"Frame2"), 120);
  EXPECT_EQ(app.records.shared.BotNick, L"Robot Bot");
  EnterNick(L"Nouveau");
  EXPECT_EQ(Setting(L"Parametres", L"Pseudo RoomBot"), L"Nouveau");
  ASSERT_TRUE(fake.Close(main()));
  EXPECT_TRUE(fake.Ended()) << "the close box ends the program";
}

TEST_F(PrincipaleTest, EmptyNicknameSaysFarewellAndEndsWithoutWriting) {
  PutSettings("[Parametres]\nAffWarning=N\n");
  const std::string before = SettingsBytes();
  Start();
  EnterNick(L"");
  ASSERT_EQ(fake.fakeDialogs().Messages().size(), 1u);
  EXPECT_EQ(fake.fakeDialogs().Messages()[0].text, L"Sans roombot je ne sers à rien, adieu !!!");
  EXPECT_TRUE(fake.Ended());
  EXPECT_EQ(SettingsBytes(), before);
  EXPECT_FALSE(fake.Click(main()[L"Connexionroom"])) << "nothing runs after the end";
}

TEST_F(PrincipaleTest, ClosingTheAttachWindowEndsTheProgram) {
  PutSettings("[Parametres]\nAffWarning=N\nPseudo RoomBot=RoomBot\n");
  Start();
  ASSERT_TRUE(fake.Click(main()[L"Connexionroom"]));
  EXPECT_TRUE(app.AttachWindow().Topmost());
  ASSERT_TRUE(fake.Close(app.AttachWindow()));
  EXPECT_TRUE(fake.Ended());
}

}  // namespace
}  // namespace vl::test
