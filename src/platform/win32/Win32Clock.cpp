// The timer window and the WM_TIMER hand-over to Timer::Tick.
#include "platform/win32/Win32Clock.h"

#include "platform/ui/Timer.h"

namespace vl::win32 {

namespace {
constexpr wchar_t kClass[] = L"VerdeluneTimers";
}

Win32Clock::Win32Clock() {
  RegisterOwnClass(kClass, 0);
  Placement placement;
  placement.parent = HWND_MESSAGE;
  CreateOwn(kClass, L"", placement);
}

void Win32Clock::Sleep(int ms) {
  if (ms > 0) ::Sleep(static_cast<DWORD>(ms));
}

std::uint64_t Win32Clock::NowMs() {
  return GetTickCount64();
}

// Never fails on Windows XP and later. Split so that the product cannot overflow: the counter
// runs at up to 10 MHz, and would pass 2^64 / 10^6 within weeks of uptime.
// The offset is read off the two clocks at the same instant, so it is the one in force now,
// summer time included.
LocalTime Win32Clock::LocalNow() {
  SYSTEMTIME utc{}, local{};
  GetSystemTime(&utc);
  if (!SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) local = utc;
  FILETIME u{}, l{};
  SystemTimeToFileTime(&utc, &u);
  SystemTimeToFileTime(&local, &l);
  const auto ticks = [](const FILETIME& f) {
    return static_cast<long long>((static_cast<unsigned long long>(f.dwHighDateTime) << 32) |
                                  f.dwLowDateTime);
  };
  const long long minutes = (ticks(l) - ticks(u)) / 600000000LL;
  return {local.wYear,
          local.wMonth,
          local.wDay,
          local.wHour,
          local.wMinute,
          local.wSecond,
          static_cast<int>(minutes)};
}

std::uint64_t Win32Clock::NowUs() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  const auto count = static_cast<std::uint64_t>(counter.QuadPart);
  const auto perSecond = static_cast<std::uint64_t>(frequency.QuadPart);
  return count / perSecond * 1000000 + count % perSecond * 1000000 / perSecond;
}

void Win32Clock::Start(Timer& timer) {
  UINT_PTR id;
  if (auto found = ids_.find(&timer); found != ids_.end()) {
    id = found->second;
  } else {
    id = nextId_++;
    ids_[&timer] = id;
    timers_[id] = &timer;
  }
  // SetTimer on an id that runs replaces it: the period starts again. An interval of 0
  // never ticks.
  if (timer.Interval() > 0) {
    SetTimer(hwnd(), id, static_cast<UINT>(timer.Interval()), nullptr);
  } else {
    KillTimer(hwnd(), id);
  }
}

void Win32Clock::Stop(Timer& timer) {
  auto found = ids_.find(&timer);
  if (found == ids_.end()) return;
  KillTimer(hwnd(), found->second);
  timers_.erase(found->second);
  ids_.erase(found);
}

LRESULT Win32Clock::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_TIMER) return Default(message, wParam, lParam);
  auto found = timers_.find(static_cast<UINT_PTR>(wParam));
  if (found != timers_.end()) found->second->Tick();
  return 0;
}

}  // namespace vl::win32
