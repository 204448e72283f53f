// The attach hand-over and the identification with the room bot, on the virtual clock.
#include "app/Handshake.h"

#include "support/AttachFixture.h"

namespace vl::test {
namespace {

class HandshakeTest : public AttachFixture {
 protected:
  int IdentSends() { return room.CountPosted(app.records.shared.IdentText); }
};

TEST_F(HandshakeTest, AttachSendsTheIdentificationLineOnce) {
  StartAndAttach();
  EXPECT_EQ(app.records.shared.IdentText,
            L"/msg RoomBot Verdelune" + app.records.shared.ChallengeText);
  EXPECT_EQ(IdentSends(), 1);
  EXPECT_FALSE(app.AttachWindow().Visible());
  EXPECT_FALSE(app.MainWindow().Visible());
  EXPECT_TRUE(app.MainWindow().Connexion.Enabled());
  EXPECT_TRUE(app.MainWindow().EnvoiCode.Enabled());
  EXPECT_EQ(panel()[L"Label8"].Text(), L"Salons Verdelune");
  EXPECT_FALSE(panel().Visible()) << "the panel exists, loaded, but waits for the answer";
  EXPECT_EQ(room.InputText(), L"");
}

TEST_F(HandshakeTest, WithoutAnAnswerSevenSendsThenTheMessageThenTheEnd) {
  StartAndAttach();
  fake.Advance(12400);
  EXPECT_EQ(IdentSends(), 7);
  ASSERT_TRUE(fake.Ended());
  Principale& main = app.MainWindow();
  EXPECT_TRUE(main.Visible());
  EXPECT_EQ(main[L"Frame3"].Top(), 120);
  EXPECT_GE(fake.fakeWindows().PeerOf(main)->Paints(), 1);
  EXPECT_EQ(Setting(L"Parametres", L"Pseudo RoomBot"), L"");
  EXPECT_TRUE(HasSettings());
  // Sends 2 to 7 go out about 2 to 12 s after the first, the end 5 s after the seventh.
  auto sends = fake.desktop().CallsTo(room.input, ForeignCall::Kind::SetText);
  ASSERT_EQ(sends.size(), 7u);
  for (size_t i = 1; i < sends.size(); ++i) {
    EXPECT_NEAR(static_cast<double>(sends[i].timeMs - sends[0].timeMs), 2000.0 * i, 250.0);
  }
  EXPECT_NEAR(static_cast<double>(*fake.EndedAt() - sends[6].timeMs), 5000.0, 200.0);
  EXPECT_FALSE(panel().Visible());
}

TEST_F(HandshakeTest, AnAnswerAfterTheFourthResendStopsEverything) {
  room.onPosted = [this](const std::wstring& text) {
    if (text == app.records.shared.IdentText && IdentSends() == 5) room.AddLine(Answer(1));
  };
  StartAndAttach();
  fake.Advance(9000);
  EXPECT_EQ(IdentSends(), 5);
  EXPECT_TRUE(app.records.shared.BotAnswered);
  EXPECT_EQ(app.MainWindow().handshake().HandshakeTries(), 0);
  EXPECT_FALSE(app.MainWindow().Connexion.Enabled());
  EXPECT_FALSE(app.MainWindow().EnvoiCode.Enabled());
  fake.Advance(30000);
  EXPECT_EQ(IdentSends(), 5);
  EXPECT_FALSE(fake.Ended());
  EXPECT_TRUE(panel().Visible());
}

TEST_F(HandshakeTest, LevelTwoOpensTheRestrictedPanel) {
  AttachAndAnswer(2);
  Reglages& p = panel();
  ASSERT_TRUE(p.Visible());
  for (const wchar_t* hidden : {L"Label3", L"ReyCommand7", L"ReyCommand6", L"Frame3", L"Shape3"}) {
    EXPECT_FALSE(p[hidden].Visible()) << hidden;
  }
  EXPECT_FALSE(p[L"ReyCommand7"].Reachable());
  EXPECT_EQ(p[L"Frame2"].Top(), 2400);
  EXPECT_EQ(p[L"Shape2"].Top(), 2365);
  EXPECT_EQ(p[L"ReyCommand15"].Top(), 4200);
  EXPECT_EQ(p[L"ReyCommand1"].Top(), 3720) << "nothing else moves";
}

TEST_F(HandshakeTest, TheOldestEchoGivesTheOwnNickname) {
  room.onPosted = [this](const std::wstring& text) {
    if (text == app.records.shared.IdentText && IdentSends() == 2) room.AddLine(Answer(1));
  };
  room.ownNick = L"Premier";
  StartAndAttach();
  room.ownNick = L"Second";
  fake.Advance(2500);
  ASSERT_TRUE(app.records.shared.BotAnswered);
  EXPECT_EQ(app.records.shared.OwnNick, L"Premier");
}

TEST_F(HandshakeTest, ASiteNameWithCommasShowsSemicolons) {
  FakeRoom commas(fake, 9, L"Salons, amis, et cie - Salle");
  PutSettings("[Parametres]\nAffWarning=N\nPseudo RoomBot=RoomBot\n");
  Start();
  fake.Click(app.MainWindow()[L"Connexionroom"]);
  fake.MouseDownOn(app.AttachWindow());
  commas.PointAtRoom();
  fake.Advance(100);
  fake.MouseUpOn(app.AttachWindow());
  EXPECT_EQ(app.Panel()[L"Label8"].Text(), L"Salons; amis; et cie");
}

TEST_F(HandshakeTest, AReleaseElsewhereLeavesTheAttachWindowOpen) {
  PutSettings("[Parametres]\nAffWarning=N\nPseudo RoomBot=RoomBot\n");
  Start();
  fake.Click(app.MainWindow()[L"Connexionroom"]);
  ConnexMan& attach = app.AttachWindow();
  fake.desktop().PointAt(Point{10, 10}, attach.Handle());
  fake.MouseDownOn(attach);
  EXPECT_TRUE(attach.Timer1.Enabled());
  fake.Advance(100);
  fake.MouseUpOn(attach);
  EXPECT_TRUE(attach.Visible());
  EXPECT_FALSE(attach.Timer1.Enabled());
  EXPECT_FALSE(app.PanelExists());
  EXPECT_TRUE(room.Posted().empty());
  // The hand pointer comes from the cursor file when there is one.
  EXPECT_EQ(fake.fakeWindows().PeerOf(attach)->Pointer(), L"");
  fake.fakeProfile().PutFile(L"C:\\Verdelune\\H_MOVE.CUR", "cur");
  fake.MouseDownOn(attach);
  EXPECT_EQ(fake.fakeWindows().PeerOf(attach)->Pointer(), L"C:\\Verdelune\\H_MOVE.CUR");
  EXPECT_TRUE(fake.fakeWindows().PeerOf(attach)->Captured());
  room.PointAtRoom();
  fake.Advance(100);
  fake.MouseUpOn(attach);
  EXPECT_EQ(fake.fakeWindows().PeerOf(attach)->Pointer(), L"");
  EXPECT_EQ(room.Posted().size(), 1u) << "a second drag onto the room attaches";
}

}  // namespace
}  // namespace vl::test
