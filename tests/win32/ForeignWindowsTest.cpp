// A client that is slow, and one whose thread hangs: the calls of one turn share one wait, a
// line reaches a slow client whole and in order, and only a client that leaves a probe
// unanswered for five seconds counts as hung. The other calls are in the contract suite
// (tests/contract); the fake has no thread to be slow with.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/Win32ForeignWindows.h"

namespace {

using vl::win32::Win32ForeignWindows;

ULONGLONG Since(ULONGLONG start) {
  return GetTickCount64() - start;
}

void Pump() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
    DispatchMessageW(&m);
}

// A client window on a thread of its own: it takes `slowMs` over each message in `slowOn`,
// and keeps the order of the messages it handled.
class Client {
 public:
  // `held`: the thread takes no message until the event is set.
  Client(std::vector<UINT> slowOn, DWORD slowMs, HANDLE held = nullptr)
      : slowOn_(std::move(slowOn)), slowMs_(slowMs) {
    HANDLE made = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    owner_ = std::thread([this, made, held] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &Client::Procedure;
      wc.lpszClassName = L"VerdeluneTestClient";
      RegisterClassW(&wc);
      window_ = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 50, 20, nullptr,
                                nullptr, nullptr, nullptr);
      SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
      SetEvent(made);
      if (held != nullptr) WaitForSingleObject(held, INFINITE);
      MSG m;
      while (GetMessageW(&m, nullptr, 0, 0) > 0)
        DispatchMessageW(&m);
    });
    WaitForSingleObject(made, INFINITE);
    CloseHandle(made);
  }
  ~Client() {
    PostThreadMessageW(GetWindowThreadProcessId(window_, nullptr), WM_QUIT, 0, 0);
    owner_.join();
  }
  vl::WindowHandle handle() const { return reinterpret_cast<vl::WindowHandle>(window_); }
  // What the client handled, in order: "text:..." for a text set, "down" and "up".
  std::vector<std::wstring> handled;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Client*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (std::ranges::find(self->slowOn_, message) != self->slowOn_.end()) Sleep(self->slowMs_);
    if (message == WM_SETTEXT)
      self->handled.push_back(L"text:" + std::wstring(reinterpret_cast<const wchar_t*>(lParam)));
    if (message == WM_LBUTTONDOWN) self->handled.push_back(L"down");
    if (message == WM_LBUTTONUP) self->handled.push_back(L"up");
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  std::vector<UINT> slowOn_;
  DWORD slowMs_;
  HWND window_ = nullptr;
  std::thread owner_;
};

TEST(ForeignWindowsSlow, ATurnWaitsOnceAndEveryLineReachesTheClientWholeInOrder) {
  Win32ForeignWindows foreign;
  {
    // Every answer takes 150 ms: the first read is answered, the rest of the turn's wait runs
    // out on the second, and the third is not even asked until the client has caught up.
    Client client({WM_GETTEXTLENGTH}, 150);
    Win32ForeignWindows::Turn turn;
    const ULONGLONG start = GetTickCount64();
    for (int i = 0; i < 3; ++i)
      foreign.TextLength(client.handle());
    EXPECT_LE(Since(start), Win32ForeignWindows::kDefaultTimeoutMs + 60u);
  }
  Client client({WM_SETTEXT, WM_LBUTTONUP}, 450);
  std::vector<vl::SentLine> lines;
  ULONGLONG held = 0;
  {
    Win32ForeignWindows::Turn turn;  // a kick and its punishment, in one handler
    const ULONGLONG start = GetTickCount64();
    lines.push_back(foreign.SendLine(client.handle(), client.handle(), L"/msg Bot Ali, kick"));
    lines.push_back(foreign.SendLine(client.handle(), client.handle(), L"/msg Bot Ali, puni"));
    held = Since(start);
  }
  std::printf("two lines into a client 450 ms slow held the turn %llu ms\n", held);
  EXPECT_LE(held, Win32ForeignWindows::kDefaultTimeoutMs + 2 * 20 + 60u);
  EXPECT_TRUE(lines[0].WasStarted() && lines[1].WasStarted());
  // Once the client has caught up (the answers of the press and release), it is read again:
  // a slow client is no hung one.
  const ULONGLONG start = GetTickCount64();
  bool back = false;
  while (!back && Since(start) < 5000) {
    Pump();
    back = foreign.Text(client.handle()) == L"/msg Bot Ali, puni";
    if (!back) Sleep(10);
  }
  EXPECT_TRUE(back);
  EXPECT_TRUE(lines[0].IsTaken() && lines[1].IsTaken());
  const std::vector<std::wstring> expected{L"text:/msg Bot Ali, kick", L"down", L"up",
                                           L"text:/msg Bot Ali, puni", L"down", L"up"};
  EXPECT_EQ(client.handled, expected);
}

TEST(ForeignWindowsHung, NothingNewStartsInAClientSilentForFiveSecondsUntilItAnswers) {
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  Client client({}, 0, release);
  // The buffers outlive the hung spell: the messages it did not take point into them.
  std::wstring text = L"before";
  Win32ForeignWindows foreign;
  ULONGLONG start = GetTickCount64();
  EXPECT_EQ(foreign.TextLength(client.handle()), 0);
  foreign.ReadText(client.handle(), text);
  EXPECT_EQ(text, L"");
  EXPECT_GE(Since(start), 150u) << "the first call did wait for an answer";
  EXPECT_LE(Since(start), Win32ForeignWindows::kDefaultTimeoutMs + 60u) << "one wait in all";
  EXPECT_FALSE(foreign.ClassName(client.handle()).empty()) << "needs no answer";
  // Within five seconds a line is still handed over; past them nothing new is started.
  EXPECT_TRUE(foreign.SendLine(client.handle(), client.handle(), L"première").WasStarted());
  Sleep(Win32ForeignWindows::kHungMs + 100);
  start = GetTickCount64();
  EXPECT_FALSE(foreign.SendLine(client.handle(), client.handle(), L"seconde").WasStarted());
  EXPECT_LE(Since(start), 30u);

  SetEvent(release);  // the client answers again; the probe's answer comes through our loop
  bool back = false;
  for (int i = 0; i < 200 && !back; ++i) {
    Pump();
    back = foreign.SetText(client.handle(), L"de retour");
    if (!back) Sleep(10);
  }
  EXPECT_TRUE(back);
  EXPECT_EQ(client.handled, std::vector<std::wstring>{L"text:de retour"}) << "the lines dropped";
  CloseHandle(release);
}

}  // namespace
