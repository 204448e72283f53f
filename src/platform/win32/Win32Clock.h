// Time on Win32: ::Sleep holds the thread, GetTickCount64 tells the time (the performance
// counter when it must be finer), and the timers are SetTimer timers of one hidden
// message-only window. Windows timers coalesce by themselves (a due timer is one flag, not a
// queue), and every modal loop (message boxes, dialogs) dispatches their WM_TIMER, so the
// ticks go on under them.
#pragma once

#include <unordered_map>

#include "platform/Clock.h"
#include "platform/win32/Window.h"

namespace vl::win32 {

class Win32Clock final : public Clock, private Window {
 public:
  Win32Clock();

  void Sleep(int ms) override;
  std::uint64_t NowMs() override;
  std::uint64_t NowUs() override;
  LocalTime LocalNow() override;
  void Start(Timer& timer) override;
  void Stop(Timer& timer) override;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Ids are never reused, so a WM_TIMER already taken from the queue for a stopped timer
  // finds nothing.
  std::unordered_map<UINT_PTR, Timer*> timers_;
  std::unordered_map<const Timer*, UINT_PTR> ids_;
  UINT_PTR nextId_ = 1;
};

}  // namespace vl::win32
