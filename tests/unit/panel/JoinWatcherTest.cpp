// The join watcher: which lines are joins, one sound per join line as the latch says, and one
// greeting per join line however long it stays last.
#include "panel/JoinWatcher.h"

#include "support/PanelFixture.h"

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
};

TEST_F(JoinWatcherTest, AJoinGetsOneSoundAndOneGreeting) {
  room.AddLine(L"Join: Alice");
  fake.Advance(1000);
  EXPECT_EQ(Sent(), std::vector<std::wstring>{L"Bienvenue Alice, salut Alice !"});
  ASSERT_EQ(Sounds(), 1u);
  EXPECT_EQ(fake.fakeSound().PlayedSounds()[0].path, L"C:\\Verdelune\\ding-dong1.wav");
}

TEST_F(JoinWatcherTest, TheFrenchMarkerAndTheNicknameRules) {
  struct Case {
    const wchar_t* line;
    const wchar_t* greeting;  // nullptr: not a join line
  };
  const Case cases[] = {
      {L"Rejoint la salle : Alice", L"Bienvenue Alice, salut Alice !"},
      {L"Rejoint la salle :Paul", L"Bienvenue Paul, salut Paul !"},
      {L"12:01 Join: Zoé", L"Bienvenue 12:01 Zoé, salut 12:01 Zoé !"},
      {L"join: Alice", nullptr},
      {L"Rejoint la salle: Alice", nullptr},
  };
  for (const Case& c : cases) {
    room.AddLine(c.line);
    fake.Advance(300);
    std::vector<std::wstring> sent = Sent();
    if (c.greeting == nullptr) {
      EXPECT_TRUE(sent.empty()) << c.line;
    } else {
      EXPECT_EQ(sent, std::vector<std::wstring>{c.greeting}) << c.line;
    }
  }
}

TEST_F(JoinWatcherTest, AJoinLineThatStaysLastIsGreetedOnce) {
  room.echo = false;  // a client that never shows the greeting
  room.AddLine(L"Join: Alice");
  fake.Advance(5000);
  EXPECT_EQ(Sent().size(), 1u);
  EXPECT_EQ(Sounds(), 1u);
  // A second, different join line directly after: greeted too, but no sound of its own.
  room.AddLine(L"Join: Bob");
  fake.Advance(1000);
  EXPECT_EQ(Sent(), std::vector<std::wstring>{L"Bienvenue Bob, salut Bob !"});
  EXPECT_EQ(Sounds(), 1u);
}

TEST_F(JoinWatcherTest, ALaterRejoinIsGreetedAgain) {
  room.AddLine(L"Join: Alice");
  fake.Advance(500);
  room.AddLine(L"(12:05) Alice: merci");
  fake.Advance(500);
  room.AddLine(L"Join: Alice");
  fake.Advance(500);
  EXPECT_EQ(Sent().size(), 2u);
  EXPECT_EQ(Sounds(), 2u) << "another line came last in between";
}

TEST_F(JoinWatcherTest, EachOptionOnItsOwn) {
  fake.ChooseMenu(panel().Menu(L"AnnonceEntree"));  // sound off
  room.AddLine(L"Join: Alice");
  fake.Advance(500);
  EXPECT_EQ(Sent().size(), 1u);
  EXPECT_EQ(Sounds(), 0u);
  fake.ChooseMenu(panel().Menu(L"AnnonceEntree"));
  fake.ChooseMenu(panel().Menu(L"SalutNewUser"));  // greeting off
  room.AddLine(L"Join: Bob");
  fake.Advance(500);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(Sounds(), 1u);
}

TEST_F(JoinWatcherTest, PauseDoesNotStopTheWatcher) {
  fake.ChooseMenu(panel().Menu(L"standby"));
  room.AddLine(L"Join: Alice");
  fake.Advance(500);
  EXPECT_EQ(Sent().size(), 1u);
}

TEST_F(JoinWatcherTest, AChatWithoutALineEndDoesNothingNotEvenTheKey) {
  room.ChatText() = L"Join: Alice";
  fake.fakeKeyboard().Press(kKeyScrollLock);
  fake.Advance(1000);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(Sounds(), 0u);
  EXPECT_FALSE(panel().TimerToucheclavier.Enabled());
}

}  // namespace
}  // namespace vl::test
