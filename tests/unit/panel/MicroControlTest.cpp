// The microphone on the virtual clock: the countdown to the second, the bound on taking the
// microphone, and push-to-talk on Scroll Lock.
#include "panel/MicroControl.h"

#include "support/Fixtures.h"

namespace vl::test {
namespace {

using Kind = ForeignCall::Kind;

class MicroControlTest : public PanelFixture {
 protected:
  void SetUp() override {
    OpenPanel();
    // The client: a click on the eighth button takes a free microphone; push-to-talk on the
    // ninth talks from its button-down to its button-up.
    room.Mic1().onButtonUp = [this] {
      if (room.Mic1().enabled && room.Mic2().enabled) room.Mic1().enabled = false;
    };
    room.Mic2().onButtonDown = [this] { room.Mic1().enabled = false; };
    room.Mic2().onButtonUp = [this] { room.Mic1().enabled = true; };
  }
  Control& Button() { return panel()[L"ReyCommand17"]; }
  size_t Calls(int button, Kind kind) {
    return fake.desktop().CallsTo(room.buttons[static_cast<size_t>(button)], kind).size();
  }
  void SomeoneElseTakes() { room.Mic1().enabled = room.Mic2().enabled = false; }
  void Free() { room.Mic1().enabled = room.Mic2().enabled = true; }
  void HoldScrollLock(int ms) {
    fake.fakeKeyboard().Press(kKeyScrollLock);
    fake.Advance(ms);
    fake.fakeKeyboard().Release(kKeyScrollLock);
  }
};

TEST_F(MicroControlTest, TheCountdownRunsSixtySecondsFromTheRelease) {
  fake.Click(Button());
  fake.Advance(3050);  // taken, then the moderator talks
  Free();
  const std::uint64_t released = fake.fakeClock().Now();
  Lines captions;
  std::uint64_t idleAt = 0;
  for (int ms = 0; ms < 64000 && idleAt == 0; ms += 50) {
    fake.Advance(50);
    if (captions.empty() || captions.back() != Button().Text()) captions.push_back(Button().Text());
    if (Button().Enabled()) idleAt = fake.fakeClock().Now();
  }
  Lines expected{L"Micro svp !"};  // until the first second after the release
  for (int second = 60; second >= 1; --second)
    expected.push_back(std::to_wstring(second));
  expected.push_back(L"Micro svp!");
  EXPECT_EQ(captions, expected);
  EXPECT_GT(idleAt - released, 60000u);
  EXPECT_LE(idleAt - released, 61050u);
}

TEST_F(MicroControlTest, TakingGivesUpAgainstButtonsThatNeverChange) {
  room.Mic1().onButtonUp = nullptr;
  fake.Click(Button());
  const std::uint64_t before = fake.fakeClock().Now();
  fake.Advance(50);
  EXPECT_EQ(Calls(7, Kind::ButtonUp), static_cast<size_t>(kTakeRounds));
  EXPECT_LE(fake.fakeClock().Now() - before, 50u + kTakeRounds * kTakeRoundWaitMs);
  EXPECT_TRUE(Button().Enabled());
  EXPECT_EQ(Button().Text(), L"Micro svp !");
  fake.Advance(70000);
  EXPECT_FALSE(panel().micro().DecompteMicroActif()) << "no countdown for a microphone not had";
  EXPECT_EQ(Calls(7, Kind::ButtonUp), static_cast<size_t>(kTakeRounds));
}

// A room that lost microphone buttons and kept fewer than eight: the watchdog's re-take leaves
// both handles empty. A search from the first child again would make the send button the first
// microphone button, and "Micro svp !" would click it.
TEST_F(MicroControlTest, MicrophoneButtonsThatWentStayEmpty) {
  FakeDesktop& desktop = fake.desktop();
  for (size_t gone : {5, 7, 8})
    desktop.Destroy(room.buttons[gone]);
  fake.Advance(1000);
  const RoomWindowSet& set = app.records.room;
  EXPECT_EQ((Lines{std::to_wstring(set.SendButtonWindow), std::to_wstring(set.MicButtonWindow1),
                   std::to_wstring(set.MicButtonWindow2)}),
            (Lines{std::to_wstring(room.buttons[0]), L"0", L"0"}));
  desktop.ClearCalls();
  fake.Click(Button());
  fake.Advance(2000);
  EXPECT_EQ(Calls(0, Kind::ButtonDown) + Calls(0, Kind::ButtonUp), 0u);
  EXPECT_FALSE(fake.Ended());
}

TEST_F(MicroControlTest, PushToTalkPressesWhileFreeReleasesWhicheverTimerTicksFirst) {
  room.Mic2().onButtonDown = nullptr;      // a slow client: free for a few ticks
  room.ChatText() = L"sans fin de ligne";  // no complete chat line: the key is not even read
  fake.fakeKeyboard().Press(kKeyScrollLock);
  fake.Advance(450);
  EXPECT_EQ(Calls(8, Kind::ButtonDown), 0u);
  room.AddLine(L"");
  fake.Advance(450);
  const size_t downs = Calls(8, Kind::ButtonDown);
  EXPECT_GE(downs, 3u) << "a button-down on each tick while the microphone is free";
  room.Mic1().enabled = false;  // now it talks
  fake.Advance(500);
  EXPECT_EQ(Calls(8, Kind::ButtonDown), downs) << "nothing more once it talks";
  fake.fakeKeyboard().Release(kKeyScrollLock);
  fake.Advance(700);
  EXPECT_EQ(Calls(8, Kind::ButtonUp), 1u);
  EXPECT_FALSE(panel().TimerToucheclavier.Enabled());
  room.Mic2().onButtonDown = [this] { room.Mic1().enabled = false; };
  // Key up just before a tick of both timers: the release still comes.
  for (int offset : {0, 30, 70}) {
    HoldScrollLock(300 + offset);
    const size_t ups = Calls(8, Kind::ButtonUp);
    fake.Advance(800);
    EXPECT_EQ(Calls(8, Kind::ButtonUp), ups + 1) << offset;
    EXPECT_TRUE(room.Mic1().enabled);
  }
  SomeoneElseTakes();  // nothing at all while someone else talks
  const size_t calls = Calls(8, Kind::ButtonDown) + Calls(8, Kind::ButtonUp);
  HoldScrollLock(1000);
  EXPECT_EQ(Calls(8, Kind::ButtonDown) + Calls(8, Kind::ButtonUp), calls);
}

}  // namespace
}  // namespace vl::test
