// The identification with the room bot on the virtual clock, and the attach drag's edges. The
// journeys check the full and restricted panels, the refusal, the site name and a silent bot.
#include "app/Handshake.h"

#include "support/Fixtures.h"

namespace vl::test {
namespace {

class HandshakeTest : public AppFixture {
 protected:
  int IdentSends() {
    return static_cast<int>(std::ranges::count(room.Posted(), app.records.shared.IdentText));
  }
  // The room bot answers the identification line the given time it is sent.
  void AnswerAt(int send) {
    room.onPosted = [this, send](const std::wstring& text) {
      if (text == app.records.shared.IdentText && IdentSends() == send) room.AddLine(Answer(1));
    };
  }
};

TEST_F(HandshakeTest, GarbageIsNoAnswerAndOnlyTheFirstAnswerCounts) {
  // The bot answers each send with garbage after its "%", then correctly after the fifth
  // re-send, then again with another level.
  room.onPosted = [this](const std::wstring& text) {
    if (text != app.records.shared.IdentText) return;
    const std::wstring hex = app.records.shared.ChallengeHex.substr(0, 4);
    const std::wstring garbage[] = {L"%", L"%" + hex, L"%" + hex + L"x\x01",
                                    L"%\x202e" + hex + L"1", L"%" + std::wstring(10000, L'\xd800')};
    const int send = IdentSends();
    room.AddLine(send <= 5 ? L"(12:00) RoomBot: " + garbage[send - 1] : Answer(1));
  };
  StartAndAttach();
  fake.Advance(11000);
  EXPECT_EQ(IdentSends(), 6);
  EXPECT_FALSE(app.MainWindow().Connexion.Enabled());
  EXPECT_FALSE(app.MainWindow().EnvoiCode.Enabled());
  room.AddLine(Answer(3));
  fake.Advance(30000);
  EXPECT_EQ(IdentSends(), 6);
  EXPECT_FALSE(fake.Ended());
  EXPECT_TRUE(fake.fakeDialogs().Messages().empty()) << "no refusal for the second answer";
  EXPECT_EQ(app.records.shared.BotLevel, 1);
  EXPECT_TRUE(panel().Visible());
}

TEST_F(HandshakeTest, TheOldestEchoGivesTheOwnNickname) {
  AnswerAt(2);
  room.ownNick = L"Premier";
  StartAndAttach();
  room.ownNick = L"Second";
  fake.Advance(2500);
  ASSERT_TRUE(app.records.shared.BotAnswered);
  EXPECT_EQ(app.records.shared.OwnNick, L"Premier");
}

TEST_F(HandshakeTest, WithoutAnAnswerSevenSendsThenTheEndWithNoBoxToHoldIt) {
  // Erasing the nickname is this run's first failed write: told to nobody, as the end is near.
  fake.fakeProfile().SetReadOnly(kSettingsPath, true);
  StartAndAttach();
  fake.Advance(12000);
  EXPECT_EQ(IdentSends(), 7);
  EXPECT_TRUE(fake.Ended());
  // Right after the seventh send, about 12 s after the attach.
  EXPECT_NEAR(static_cast<double>(*fake.EndedAt()), 12300.0 + kGiveUpPauseMs, 300.0);
  EXPECT_TRUE(fake.fakeDialogs().Messages().empty());
}

TEST_F(HandshakeTest, ASlowClientIsWaitedForNotBlamedOnTheBot) {
  fake.desktop().Window(room.input).takesLinesLate = true;
  StartAndAttach();
  fake.Advance(30000);  // the client takes nothing: nothing piles up, nothing counts
  fake.desktop().CatchUp(/*take=*/false);  // nor when it hangs and loses the line
  fake.Advance(2000);
  EXPECT_FALSE(fake.Ended());
  EXPECT_TRUE(room.Posted().empty());
  // It catches up each time just before the re-sender's tick: every re-send counts once, and
  // the bot's answer to the sixth send opens the panel.
  AnswerAt(6);
  for (int tick = 0; tick < 6 && !app.records.shared.BotAnswered; ++tick) {
    EXPECT_EQ(app.MainWindow().handshake().HandshakeTries(), tick);
    fake.desktop().CatchUp();
    fake.Advance(2000);
  }
  EXPECT_TRUE(app.records.shared.BotAnswered);
  EXPECT_EQ(IdentSends(), 6);
  EXPECT_EQ(Setting(L"Parametres", L"Pseudo RoomBot"), L"RoomBot");
}

TEST_F(HandshakeTest, AClientThatRefusesOurMessagesIsNamedAndTheNicknameKept) {
  fake.desktop().Window(room.input).refusesLines = true;
  StartAndAttach();
  EXPECT_TRUE(fake.Ended());
  const auto messages = fake.fakeDialogs().Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, kClientRefusesNotice);
  EXPECT_EQ(Setting(L"Parametres", L"Pseudo RoomBot"), L"RoomBot");
}

TEST_F(HandshakeTest, TheOwnNicknameComesFromTheChatsEndWhenTheWholeChatCannotBeRead) {
  fake.desktop().Window(room.chat).wholeReadFails = true;
  room.echo = false;  // no echo anywhere: the answer waits for a tick that can tell
  AnswerAt(1);
  StartAndAttach();
  fake.Advance(1000);
  EXPECT_FALSE(app.records.shared.BotAnswered);
  // The echo of a re-send, then the bot's answer after it: read from the end alone.
  room.echo = true;
  AnswerAt(2);
  fake.Advance(1500);
  ASSERT_TRUE(app.records.shared.BotAnswered);
  EXPECT_EQ(app.records.shared.OwnNick, L"Modo");
}

TEST_F(HandshakeTest, AReleaseElsewhereLeavesTheAttachWindowOpen) {
  PutSettings("[Parametres]\nAffWarning=N\nPseudo RoomBot=RoomBot\n");
  Start();
  fake.Click(app.MainWindow()[L"Connexionroom"]);
  ConnexMan& attach = app.AttachWindow();
  fake.desktop().PointAt(Point{10, 10}, attach.Handle());
  fake.MouseDownOn(attach);
  fake.Advance(100);
  fake.MouseUpOn(attach);
  EXPECT_TRUE(attach.Visible());
  EXPECT_FALSE(attach.Timer1.Enabled());
  EXPECT_FALSE(app.PanelExists());
  // The hand pointer comes from the cursor file when there is one.
  EXPECT_EQ(fake.fakeWindows().PeerOf(attach)->Pointer(), L"");
  fake.fakeProfile().PutFile(L"C:\\Verdelune\\H_MOVE.CUR", "cur");
  fake.MouseDownOn(attach);
  EXPECT_EQ(fake.fakeWindows().PeerOf(attach)->Pointer(), L"C:\\Verdelune\\H_MOVE.CUR");
  room.PointAtRoom();
  fake.Advance(100);
  fake.MouseUpOn(attach);
  EXPECT_EQ(fake.fakeWindows().PeerOf(attach)->Pointer(), L"");
  EXPECT_EQ(room.Posted().size(), 1u) << "a second drag onto the room attaches";
}

}  // namespace
}  // namespace vl::test
