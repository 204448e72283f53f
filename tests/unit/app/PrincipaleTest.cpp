// The main window: first-run explanations, the room bot's nickname, and the ways out.
#include "app/ConnexMan.h"
#include "app/Principale.h"

#include "support/AppFixture.h"

namespace vl::test {
namespace {

class PrincipaleTest : public AppFixture {
 protected:
  Principale& main() { return app.MainWindow(); }
  int Top(const wchar_t* control) { return main()[control].Top(); }
};

TEST_F(PrincipaleTest, FirstStartShowsTheExplanationsThenAsksForTheNickname) {
  Start();
  EXPECT_EQ(main().Caption(), L"Connexion à la room");
  EXPECT_EQ(Top(L"Frame1"), 0);
  EXPECT_EQ(Top(L"Frame2"), 7000) << "the nickname entry waits for the explanations";
  EXPECT_EQ(main()[L"Label2"].Text(), L"1.05");

  ASSERT_TRUE(fake.Click(main()[L"ReyCommand1"]));
  EXPECT_EQ(Top(L"Frame1"), 6500);
  EXPECT_EQ(Top(L"Frame2"), 120);
  EXPECT_FALSE(HasSettings()) << "nothing is stored before the moderator chooses";
}

TEST_F(PrincipaleTest, OnlyTheExactNSwitchesTheExplanationsOff) {
  struct Case {
    const char* stored;
    int frame1Top;
  };
  for (Case c : {Case{"N", 6500}, Case{"n", 0}, Case{"NON", 0}, Case{"", 0}, Case{" N ", 6500}}) {
    FakePlatform platform;
    App fresh(platform);
    std::string bytes = std::string("[Parametres]\r\nAffWarning=") + c.stored + "\r\n";
    platform.fakeProfile().PutFile(kSettingsPath, bytes);
    ASSERT_TRUE(platform.Deliver([&] { fresh.Start(); }));
    // Blanks around a value are the profile's, not the value's.
    EXPECT_EQ(fresh.MainWindow()[L"Frame1"].Top(), c.frame1Top) << "AffWarning=" << c.stored;
  }
}

TEST_F(PrincipaleTest, CheckingTheBoxWritesAtOnceButLeavesTheExplanationsInView) {
  Start();
  Control& check = main()[L"Check1"];
  ASSERT_TRUE(fake.Click(check));
  EXPECT_EQ(Setting(L"Parametres", L"AffWarning"), L"N");
  EXPECT_FALSE(check.Visible());
  EXPECT_EQ(Top(L"Frame1"), 0);
}

TEST_F(PrincipaleTest, ASettingsFileThatCannotBeWrittenIsToldOnceAndTheProgramGoesOn) {
  PutSettings("[Parametres]\nAffWarning=N\n");
  fake.fakeProfile().SetReadOnly(kSettingsPath, true);
  Start();
  ASSERT_TRUE(fake.Type(main()[L"saisiepseudo"], L"RoomBot"));
  ASSERT_TRUE(fake.KeyDown(main()[L"saisiepseudo"], kKeyEnter));
  ASSERT_TRUE(fake.ChooseMenu(main().Menu(L"newBot")));
  ASSERT_TRUE(fake.Type(main()[L"saisiepseudo"], L"RoomBot"));
  ASSERT_TRUE(fake.KeyDown(main()[L"saisiepseudo"], kKeyEnter));  // a second write fails too
  const auto messages = fake.fakeDialogs().Messages();
  ASSERT_EQ(messages.size(), 1u);
  const std::wstring& text = messages[0].text;
  EXPECT_NE(text.find(kSettingsPath), std::wstring::npos) << "which file";
  EXPECT_NE(text.find(L"Program Files"), std::wstring::npos) << "and what to do";
  EXPECT_FALSE(fake.Ended());
  EXPECT_EQ(app.records.shared.BotNick, L"RoomBot") << "the value lives on in memory";
}

TEST_F(PrincipaleTest, StoredNicknameAndNoExplanationsOpensReady) {
  PutSettings("[Parametres]\nAffWarning=N\nPseudo RoomBot=RoomBot\n");
  Start();
  EXPECT_EQ(app.records.shared.BotNick, L"RoomBot");
  EXPECT_EQ(Top(L"Frame1"), 6500);
  EXPECT_EQ(Top(L"Frame2"), 7000);
  EXPECT_EQ(Top(L"Frame3"), 7000);
  EXPECT_EQ(main().State(), WindowState::Normal);
}

TEST_F(PrincipaleTest, EnterStoresTheNicknameAsTypedAndHidesTheEntry) {
  PutSettings("[Parametres]\nAffWarning=N\n");
  Start();
  ASSERT_EQ(Top(L"Frame2"), 120);
  Control& entry = main()[L"saisiepseudo"];
  ASSERT_TRUE(fake.Type(entry, L"Robot Bot"));
  ASSERT_TRUE(fake.KeyDown(entry, 65));  // any other key only types
  EXPECT_EQ(Top(L"Frame2"), 120);
  ASSERT_TRUE(fake.KeyDown(entry, kKeyEnter));
  EXPECT_EQ(app.records.shared.BotNick, L"Robot Bot");
  EXPECT_EQ(entry.Text(), L"");
  EXPECT_EQ(Top(L"Frame2"), 7000);
  EXPECT_EQ(SettingsBytes(), "[Parametres]\r\nAffWarning=N\r\nPseudo RoomBot=Robot Bot\r\n");
}

TEST_F(PrincipaleTest, EmptyNicknameSaysFarewellAndEndsWithoutWriting) {
  PutSettings("[Parametres]\nAffWarning=N\n");
  const std::string before = SettingsBytes();
  Start();
  ASSERT_TRUE(fake.KeyDown(main()[L"saisiepseudo"], kKeyEnter));
  ASSERT_EQ(fake.fakeDialogs().Messages().size(), 1u);
  EXPECT_EQ(fake.fakeDialogs().Messages()[0].text, L"Sans roombot je ne sers à rien, adieu !!!");
  EXPECT_EQ(fake.fakeDialogs().Messages()[0].caption, L"Verdelune");
  EXPECT_TRUE(fake.Ended());
  EXPECT_EQ(SettingsBytes(), before);
  EXPECT_FALSE(fake.Click(main()[L"Connexionroom"])) << "nothing runs after the end";
}

TEST_F(PrincipaleTest, ChangingTheRobotKeepsTheStoredNicknameUntilEnter) {
  PutSettings("[Parametres]\nAffWarning=N\nPseudo RoomBot=Ancien\n");
  Start();
  ASSERT_TRUE(fake.ChooseMenu(main().Menu(L"newBot")));
  EXPECT_EQ(Top(L"Frame2"), 120);
  EXPECT_EQ(app.records.shared.BotNick, L"Ancien");
  ASSERT_TRUE(fake.Type(main()[L"saisiepseudo"], L"Nouveau"));
  ASSERT_TRUE(fake.KeyDown(main()[L"saisiepseudo"], kKeyEnter));
  EXPECT_EQ(Setting(L"Parametres", L"Pseudo RoomBot"), L"Nouveau");
  ASSERT_TRUE(fake.Close(main()));
  EXPECT_TRUE(fake.Ended()) << "the close box ends the program";
}

TEST_F(PrincipaleTest, ConnexionHidesTheMainWindowAndOpensTheAttachWindow) {
  PutSettings("[Parametres]\nAffWarning=N\nPseudo RoomBot=RoomBot\n");
  Start();
  ASSERT_TRUE(fake.Click(main()[L"Connexionroom"]));
  EXPECT_FALSE(main().Visible());
  Form& attach = app.AttachWindow();
  EXPECT_TRUE(attach.Visible());
  EXPECT_TRUE(attach.Topmost());
  EXPECT_EQ(attach[L"Label1"].Text().substr(0, 46),
            L"Pour connecter la room, vous devez simplement ");
  ASSERT_TRUE(fake.Close(attach));
  EXPECT_TRUE(fake.Ended()) << "closing the attach window ends the program";
}

}  // namespace
}  // namespace vl::test
