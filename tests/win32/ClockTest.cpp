// Timers of the real clock under a pumped message loop: they tick, stop, restart their
// period, and coalesce while a blocking pause holds the thread.
#include <gtest/gtest.h>

#include "platform/ui/Timer.h"
#include "platform/win32/Win32Platform.h"
#include "win32/WinTestSupport.h"

namespace {

using vl::Timer;

class ClockTest : public ::testing::Test {
 protected:
  vl::win32::Win32Platform platform;
  vl::Clock& clock = platform.clock();
};

TEST_F(ClockTest, ATimerTicksOnItsPeriodAndStops) {
  Timer timer(clock, L"t", 50);
  int ticks = 0;
  timer.onTick = [&] { ++ticks; };
  timer.SetEnabled(true);
  vltest::PumpFor(1000);
  EXPECT_GE(ticks, 12);
  EXPECT_LE(ticks, 21);
  timer.SetEnabled(false);
  const int stoppedAt = ticks;
  vltest::PumpFor(300);
  EXPECT_EQ(ticks, stoppedAt);
}

TEST_F(ClockTest, StartingARunningTimerRestartsItsPeriod) {
  Timer timer(clock, L"t", 400);
  ULONGLONG firstTick = 0;
  timer.onTick = [&] {
    if (firstTick == 0) firstTick = GetTickCount64();
  };
  timer.SetEnabled(true);
  vltest::PumpFor(250);
  const ULONGLONG restart = GetTickCount64();
  clock.Start(timer);
  ASSERT_TRUE(vltest::PumpUntil([&] { return firstTick != 0; }, 2000));
  EXPECT_GE(firstTick - restart, 330u) << "the period counts from the restart";
  timer.SetEnabled(false);
}

TEST_F(ClockTest, APauseInATickHoldsEverythingAndDueTicksComeOnceAfterwards) {
  Timer fast(clock, L"fast", 30);
  Timer slow(clock, L"slow", 100);
  std::vector<ULONGLONG> fastTicks;
  ULONGLONG pauseStart = 0, pauseEnd = 0;
  fast.onTick = [&] { fastTicks.push_back(GetTickCount64()); };
  slow.onTick = [&] {
    if (pauseStart != 0) return;
    pauseStart = GetTickCount64();
    clock.Sleep(600);
    pauseEnd = GetTickCount64();
  };
  fast.SetEnabled(true);
  slow.SetEnabled(true);
  vltest::PumpFor(1200);
  fast.SetEnabled(false);
  slow.SetEnabled(false);
  ASSERT_NE(pauseEnd, 0u);
  EXPECT_GE(pauseEnd - pauseStart, 550u);
  int during = 0, rightAfter = 0, later = 0;
  for (ULONGLONG t : fastTicks) {
    if (t > pauseStart && t < pauseEnd) ++during;
    if (t >= pauseEnd && t < pauseEnd + 20) ++rightAfter;
    if (t >= pauseEnd + 20) ++later;
  }
  EXPECT_EQ(during, 0) << "no tick runs during the pause";
  EXPECT_LE(rightAfter, 1) << "about 20 ticks fell due: they coalesce into one";
  EXPECT_GE(later, 5) << "the timer goes on afterwards";
}

TEST_F(ClockTest, ATimerDoesNotReenterItselfButOthersTickUnderItsModalLoop) {
  Timer outer(clock, L"outer", 50);
  Timer other(clock, L"other", 30);
  int outerTicks = 0, otherTicks = 0;
  other.onTick = [&] { ++otherTicks; };
  outer.onTick = [&] {
    ++outerTicks;
    if (outerTicks == 1) vltest::PumpFor(400);  // a nested loop, as a modal box runs one
  };
  outer.SetEnabled(true);
  other.SetEnabled(true);
  ASSERT_TRUE(vltest::PumpUntil([&] { return outerTicks >= 1; }, 1000));
  EXPECT_EQ(outerTicks, 1) << "no nested tick of the same timer";
  EXPECT_GE(otherTicks, 6);
  outer.SetEnabled(false);
  other.SetEnabled(false);
}

}  // namespace
