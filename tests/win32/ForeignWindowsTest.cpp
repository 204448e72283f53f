// A window whose thread hangs: the foreign-window calls give up within their time-out. The
// other calls are in the contract suite (tests/contract); the fake has no thread to hang.
#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "platform/win32/Win32ForeignWindows.h"

namespace {

TEST(ForeignWindowsHung, CallsGiveUpWithinTheTimeOut) {
  // The buffers outlive the hung thread: the messages it never took point into them.
  std::wstring text = L"before";
  vl::win32::Win32ForeignWindows foreign(300);
  HANDLE made = CreateEventW(nullptr, TRUE, FALSE, nullptr),
         release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  vl::WindowHandle hung = 0;
  std::thread owner([&] {  // makes a window, then blocks without ever taking its messages
    hung = reinterpret_cast<vl::WindowHandle>(CreateWindowExW(
        0, L"Edit", L"hung", WS_OVERLAPPED, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr));
    SignalObjectAndWait(made, release, INFINITE, FALSE);
  });
  WaitForSingleObject(made, INFINITE);
  const ULONGLONG start = GetTickCount64();
  const int length = foreign.TextLength(hung);
  foreign.ReadText(hung, text);
  const bool set = foreign.SetText(hung, L"x");
  foreign.ButtonDown(hung);
  foreign.ButtonUp(hung);
  const ULONGLONG waited = GetTickCount64() - start;
  EXPECT_EQ(length, 0);
  EXPECT_EQ(text, L"");
  EXPECT_FALSE(set);
  EXPECT_GE(waited, 250u) << "the calls did wait for an answer";
  EXPECT_LE(waited, 5 * 300 + 1500u);
  EXPECT_EQ(_wcsicmp(foreign.ClassName(hung).c_str(), L"Edit"), 0) << "needs no answer";
  SetEvent(release);
  owner.join();
  CloseHandle(made);
  CloseHandle(release);
}

}  // namespace
