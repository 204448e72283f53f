// A client whose thread hangs: the first call gives up within the time-out, the next ones
// fail at once, and when the thread takes its messages again the calls work again. The other
// calls are in the contract suite (tests/contract); the fake has no thread to hang.
#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "platform/win32/Win32ForeignWindows.h"

namespace {

TEST(ForeignWindowsHung, OneTimeOutThenAtOnceUntilTheClientAnswersAgain) {
  // The buffers outlive the hung spell: the messages it did not take point into them.
  std::wstring text = L"before";
  vl::win32::Win32ForeignWindows foreign;
  HANDLE made = CreateEventW(nullptr, TRUE, FALSE, nullptr),
         release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HWND edit = nullptr;
  std::thread owner([&] {  // makes a window, hangs, then takes its messages again
    edit = CreateWindowExW(0, L"Edit", L"hung", WS_OVERLAPPED, 0, 0, 100, 20, nullptr, nullptr,
                           nullptr, nullptr);
    SignalObjectAndWait(made, release, INFINITE, FALSE);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0)
      DispatchMessageW(&m);
  });
  WaitForSingleObject(made, INFINITE);
  const auto hung = reinterpret_cast<vl::WindowHandle>(edit);
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
  EXPECT_GE(waited, 250u) << "the first call did wait for an answer";
  EXPECT_LE(waited, 300 + 150u) << "one time-out in all, not one a call";
  EXPECT_EQ(_wcsicmp(foreign.ClassName(hung).c_str(), L"Edit"), 0) << "needs no answer";

  SetEvent(release);  // the client answers again; the probe's answer comes through our loop
  bool back = false;
  for (int i = 0; i < 200 && !back; ++i) {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
      DispatchMessageW(&m);
    back = foreign.SetText(hung, L"de retour");
    if (!back) Sleep(10);
  }
  EXPECT_TRUE(back);
  EXPECT_EQ(foreign.Text(hung), L"de retour");
  PostThreadMessageW(GetWindowThreadProcessId(edit, nullptr), WM_QUIT, 0, 0);
  owner.join();
  CloseHandle(made);
  CloseHandle(release);
}

}  // namespace
