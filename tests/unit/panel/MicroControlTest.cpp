// The microphone: the request cycle with its captions and countdown, the bound on taking the
// microphone, and push-to-talk on Scroll Lock.
#include "panel/MicroControl.h"

#include "support/PanelFixture.h"

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
  size_t Calls(WindowHandle w, Kind kind) { return fake.desktop().CallsTo(w, kind).size(); }
  void SomeoneElseTakes() { room.Mic1().enabled = room.Mic2().enabled = false; }
  void Free() { room.Mic1().enabled = room.Mic2().enabled = true; }
};

TEST_F(MicroControlTest, ARequestTakesTheFreeMicrophoneThenCountsDownAfterTheRelease) {
  fake.Click(Button());
  EXPECT_EQ(Button().Text(), L"Attente ...");
  fake.Advance(50);
  EXPECT_EQ(Calls(room.buttons[7], Kind::ButtonUp), 1u);
  EXPECT_FALSE(Button().Enabled());
  EXPECT_EQ(Button().Text(), L"Micro svp !");
  fake.Advance(3000);  // the moderator talks
  EXPECT_EQ(Button().Text(), L"Micro svp !");
  Free();
  const std::uint64_t released = fake.fakeClock().Now();
  std::vector<std::wstring> captions;
  std::uint64_t idleAt = 0;
  for (int ms = 0; ms < 64000 && idleAt == 0; ms += 50) {
    fake.Advance(50);
    if (captions.empty() || captions.back() != Button().Text()) captions.push_back(Button().Text());
    if (Button().Enabled()) idleAt = fake.fakeClock().Now();
  }
  ASSERT_EQ(captions.size(), 62u);
  EXPECT_EQ(captions[0], L"Micro svp !") << "until the first second after the release";
  EXPECT_EQ(captions[1], L"60");
  EXPECT_EQ(captions[60], L"1");
  EXPECT_EQ(captions.back(), L"Micro svp!");
  // "60" comes with the first second after the release, "1" sixty seconds later, and the
  // next second ends the lock: 60 to 61 seconds after the release.
  EXPECT_GT(idleAt - released, 60000u);
  EXPECT_LE(idleAt - released, 61050u);
}

TEST_F(MicroControlTest, ARequestWaitsWhileSomeoneElseHoldsTheMicrophone) {
  SomeoneElseTakes();
  fake.Click(Button());
  fake.Advance(5000);
  EXPECT_EQ(Button().Text(), L"Attente ...");
  EXPECT_TRUE(Button().Enabled());
  EXPECT_EQ(Calls(room.buttons[7], Kind::ButtonDown), 0u);
  fake.Click(Button());  // a click while waiting only sets the caption again
  Free();
  fake.Advance(50);
  EXPECT_FALSE(Button().Enabled());
  EXPECT_FALSE(room.Mic1().enabled) << "taken";
}

TEST_F(MicroControlTest, TakingGivesUpAgainstButtonsThatNeverChange) {
  room.Mic1().onButtonUp = nullptr;
  fake.Click(Button());
  const std::uint64_t before = fake.fakeClock().Now();
  fake.Advance(50);
  EXPECT_EQ(Calls(room.buttons[7], Kind::ButtonUp), static_cast<size_t>(kTakeRounds));
  EXPECT_LE(fake.fakeClock().Now() - before, 50u + kTakeRounds * kTakeRoundWaitMs);
  EXPECT_TRUE(Button().Enabled());
  EXPECT_EQ(Button().Text(), L"Micro svp !");
  fake.Advance(70000);
  EXPECT_FALSE(panel().micro().DecompteMicroActif()) << "no countdown for a microphone not had";
  EXPECT_EQ(Calls(room.buttons[7], Kind::ButtonUp), static_cast<size_t>(kTakeRounds));
}

TEST_F(MicroControlTest, WithoutMicrophoneButtonsTheRequestStaysWaiting) {
  app.records.room.MicButtonWindow1 = app.records.room.MicButtonWindow2 = 0;
  EXPECT_TRUE(panel().micro().MicroOccupe());
  fake.Click(Button());
  fake.Advance(2000);
  EXPECT_EQ(Button().Text(), L"Attente ...");
}

TEST_F(MicroControlTest, PushToTalkHoldsTheNinthButtonAndReleasesIt) {
  room.Mic2().onButtonDown = nullptr;  // a slow client: free for a few ticks
  fake.fakeKeyboard().Press(kKeyScrollLock);
  fake.Advance(450);
  const size_t downs = Calls(room.buttons[8], Kind::ButtonDown);
  EXPECT_GE(downs, 3u) << "a button-down on each tick while the microphone is free";
  room.Mic1().enabled = false;  // now it talks
  fake.Advance(500);
  EXPECT_EQ(Calls(room.buttons[8], Kind::ButtonDown), downs) << "nothing more once it talks";
  fake.fakeKeyboard().Release(kKeyScrollLock);
  fake.Advance(700);
  auto ups = fake.desktop().CallsTo(room.buttons[8], Kind::ButtonUp);
  auto allDowns = fake.desktop().CallsTo(room.buttons[8], Kind::ButtonDown);
  ASSERT_EQ(ups.size(), 1u);
  EXPECT_EQ(ups[0].timeMs - allDowns.back().timeMs, 500u);
  EXPECT_FALSE(panel().TimerToucheclavier.Enabled());
}

TEST_F(MicroControlTest, TheReleaseStepRunsWhicheverTimerTicksFirst) {
  // Key down for the start, up just before a tick of both timers: the release still comes.
  for (int offset : {0, 30, 70}) {
    fake.fakeKeyboard().Press(kKeyScrollLock);
    fake.Advance(300 + offset);
    fake.fakeKeyboard().Release(kKeyScrollLock);
    const size_t ups = Calls(room.buttons[8], Kind::ButtonUp);
    fake.Advance(800);
    EXPECT_EQ(Calls(room.buttons[8], Kind::ButtonUp), ups + 1) << offset;
    EXPECT_TRUE(room.Mic1().enabled);
  }
}

TEST_F(MicroControlTest, PushToTalkDoesNothingWhileSomeoneElseTalks) {
  SomeoneElseTakes();
  fake.fakeKeyboard().Press(kKeyScrollLock);
  fake.Advance(1000);
  fake.fakeKeyboard().Release(kKeyScrollLock);
  fake.Advance(1000);
  EXPECT_EQ(Calls(room.buttons[8], Kind::ButtonDown), 0u);
  EXPECT_EQ(Calls(room.buttons[8], Kind::ButtonUp), 0u);
}

}  // namespace
}  // namespace vl::test
