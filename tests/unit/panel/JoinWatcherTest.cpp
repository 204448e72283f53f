// The join watcher on the virtual clock: one sound per join as the latch says, one greeting per
// join line however long it stays last, each option on its own. The join-line rules are the
// chat reader's tests.
#include "panel/JoinWatcher.h"

#include "support/Fixtures.h"

namespace vl::test {
namespace {

class JoinWatcherTest : public PanelFixture {
 protected:
  void SetUp() override {
    OpenPanel("AnnSonore=O\nSalutNouvUser=O\n");
    SetPhrase(1, L"Bienvenue $N, salut $N !");
    fake.Advance(200);
    Sent();
  }
  size_t Sounds() { return fake.fakeSound().PlayedSounds().size(); }
  void Join(const std::wstring& line, int ms = 500) {
    room.AddLine(line);
    fake.Advance(ms);
  }
};

TEST_F(JoinWatcherTest, AJoinLineThatStaysLastIsGreetedOnceWithOneSound) {
  room.echo = false;  // a client that never shows the greeting: the join line stays last
  Join(L"Join: Alice", 5000);
  EXPECT_EQ(Sent(), Lines{L"Bienvenue Alice, salut Alice !"});
  ASSERT_EQ(Sounds(), 1u);
  EXPECT_EQ(fake.fakeSound().PlayedSounds()[0].path, L"C:\\Verdelune\\ding-dong1.wav");
  // A second, different join line directly after: greeted too, but no sound of its own. The
  // time in front of the marker is no part of the nickname.
  SetPhrase(1, L"Bienvenue $N !");
  Join(L"(12:00) Join: Bob", 1000);
  EXPECT_EQ(Sent(), Lines{L"Bienvenue Bob !"});
  EXPECT_EQ(Sounds(), 1u);
  // Another line in between: a later rejoin sounds again.
  Join(L"(12:05) Bob: merci");
  Join(L"Join: Alice");
  EXPECT_EQ(Sent().size(), 1u);
  EXPECT_EQ(Sounds(), 2u);
}

// The echo of a greeting whose nickname holds a marker is a join line by that marker, and
// greeting it again would go on once for every marker nested. A real join that merely ends
// like an earlier line ("(12:05) Join: Alice" after the program said "Alice") is greeted.
TEST_F(JoinWatcherTest, TheEchoOfOurOwnLineIsNeverAJoin) {
  Join(L"Join: Join: hi", 2000);
  EXPECT_EQ(Sent(), Lines{L"Bienvenue Join: hi, salut Join: hi !"});
  EXPECT_TRUE(room.ChatText().ends_with(L"Modo: Bienvenue Join: hi, salut Join: hi !\r\n"));
  SetPhrase(1, L"$N");
  Join(L"Join: Alice");
  Join(L"(12:05) Join: Alice");
  EXPECT_EQ(Sent(), (Lines{L"Alice", L"Alice"}));
  EXPECT_EQ(Sounds(), 3u);
  // The room echoes a line up to its first NUL: that echo is ours as well.
  Join(std::wstring(L"Join: Join: a\0hi", 16), 2000);
  EXPECT_EQ(Sent(), Lines{L"Join: a"});
}

TEST_F(JoinWatcherTest, ControlsTheClientReplacedAreTakenAgainWithinASecond) {
  FakeDesktop& desktop = fake.desktop();
  desktop.Destroy(room.chat);
  desktop.Destroy(room.input);
  room.chat = desktop.Create(room.room, L"RichEdit20W");
  room.input = desktop.Create(room.room, L"Edit");
  fake.Advance(1000);
  Join(L"Join: Alice", 2000);
  EXPECT_EQ(Sent(), Lines{L"Bienvenue Alice, salut Alice !"}) << "once, through the new box";
  EXPECT_FALSE(fake.Ended());
  desktop.Destroy(room.chat);  // gone for good: the end, as before
  fake.Advance(1000);
  EXPECT_TRUE(fake.Ended());
}

TEST_F(JoinWatcherTest, AChatWhoseRangesDisagreeIsReadWholeFromItsFirstRead) {
  FakeDesktop& desktop = fake.desktop();
  desktop.Destroy(room.chat);
  room.chat = desktop.Create(room.room, L"RichEdit20W");
  desktop.Window(room.chat).richText = L"(12:00) Join: Mallory\r";  // whatever it shows
  fake.Advance(1000);
  Join(L"Join: Alice", 2000);
  EXPECT_EQ(Sent(), Lines{L"Bienvenue Alice, salut Alice !"}) << "never Mallory";
  EXPECT_TRUE(app.records.chatReads.wholeReadsOnly);
  const size_t reads = desktop.CallsTo(room.chat, ForeignCall::Kind::ReadText).size();
  fake.Advance(1000);
  EXPECT_EQ(desktop.CallsTo(room.chat, ForeignCall::Kind::ReadText).size(), reads + 10);
}

TEST_F(JoinWatcherTest, EachOptionOnItsOwnAndPauseStopsNeither) {
  fake.ChooseMenu(panel().Menu(L"standby"));
  fake.ChooseMenu(panel().Menu(L"AnnonceEntree"));  // sound off
  Join(L"Join: Alice");
  EXPECT_EQ(Sent().size(), 1u);
  EXPECT_EQ(Sounds(), 0u);
  fake.ChooseMenu(panel().Menu(L"AnnonceEntree"));
  fake.ChooseMenu(panel().Menu(L"SalutNewUser"));  // greeting off
  Join(L"Join: Bob");
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(Sounds(), 1u);
}

}  // namespace
}  // namespace vl::test
