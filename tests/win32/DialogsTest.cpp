// The modal message box with the real display: timers tick while it is open, and it gives
// the answer of the button pressed (the test presses it from a timer tick, by finding the box
// of this thread).
#include <gtest/gtest.h>

#include "platform/ui/Timer.h"
#include "platform/win32/Win32Platform.h"
#include "win32/WinTestSupport.h"

namespace {

TEST(Dialogs, TimersTickUnderAMessageBoxUntilATickClosesIt) {
  vl::win32::Win32Platform platform;
  vl::Timer counter(platform.clock(), L"counter", 30), closer(platform.clock(), L"closer", 50);
  int ticks = 0, ticksWhenClosed = 0;
  std::wstring shownText;
  counter.onTick = [&] { ++ticks; };
  closer.onTick = [&] {
    HWND box = FindWindowW(L"#32770", L"Confirmation");
    if (box == nullptr || GetWindowThreadProcessId(box, nullptr) != GetCurrentThreadId()) return;
    closer.SetEnabled(false);
    vltest::PumpUntil([&] { return ticks >= 8; }, 3000);  // still inside the box's loop
    ticksWhenClosed = ticks;
    shownText = vltest::TextOf(GetDlgItem(box, 0xFFFF));  // the text of a message box
    PostMessageW(box, WM_COMMAND, IDYES, 0);
  };
  counter.SetEnabled(true);
  closer.SetEnabled(true);
  const vl::MessageBoxAnswer answer =
      platform.dialogs().ShowMessage(L"Attention, vous allez refermer le Bot ! Vous confirmez ?",
                                     L"Confirmation", vl::MessageBoxStyle::YesNoQuestion);
  counter.SetEnabled(false);
  closer.SetEnabled(false);
  EXPECT_EQ(answer, vl::MessageBoxAnswer::Yes);
  EXPECT_GE(ticksWhenClosed, 8);
  EXPECT_EQ(shownText, L"Attention, vous allez refermer le Bot ! Vous confirmez ?");
}

}  // namespace
