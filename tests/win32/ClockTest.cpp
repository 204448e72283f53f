// Timers of the real clock under a pumped message loop: they coalesce while a blocking pause
// holds the thread, and go on and stop afterwards.
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

TEST_F(ClockTest, APauseInATickHoldsEverythingAndDueTicksComeOnceAfterwards) {
  // The ticks keep their phase: the first one on its period after the pause comes about
  // 50 ms later, well out of the 20 ms looked at.
  Timer fast(clock, L"fast", 50);
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
  const size_t stoppedAt = fastTicks.size();
  vltest::PumpFor(200);
  EXPECT_EQ(fastTicks.size(), stoppedAt) << "a stopped timer ticks no more";
  ASSERT_NE(pauseEnd, 0u);
  EXPECT_GE(pauseEnd - pauseStart, 550u);
  int during = 0, rightAfter = 0, later = 0;
  for (ULONGLONG t : fastTicks) {
    if (t > pauseStart && t < pauseEnd) ++during;
    if (t >= pauseEnd && t < pauseEnd + 20) ++rightAfter;
    if (t >= pauseEnd + 20) ++later;
  }
  EXPECT_EQ(during, 0) << "no tick runs during the pause";
  EXPECT_LE(rightAfter, 1) << "about 12 ticks fell due: they coalesce into one";
  EXPECT_GE(later, 5) << "the timer goes on afterwards";
}

}  // namespace
