// The foreign-window calls against real windows made by the test: a parent holding an
// "Edit" and "Button"s, a window that has gone, and a window whose thread hangs.
#include <gtest/gtest.h>

#include <thread>

#include "platform/win32/Win32ForeignWindows.h"
#include "win32/WinTestSupport.h"

namespace {

using vl::WindowHandle;

WindowHandle W(HWND h) {
  return reinterpret_cast<WindowHandle>(h);
}

// A top-level window that records the WM_COMMAND notifications of its children.
class RoomLikeWindow {
 public:
  RoomLikeWindow() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VlTestRoom";
    RegisterClassExW(&wc);
    hwnd = CreateWindowExW(0, L"VlTestRoom", L"Salle \u2014 \u03a9mega", WS_OVERLAPPEDWINDOW, 0, 0,
                           400, 300, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    edit = Child(L"Edit", L"");
    for (HWND& b : buttons)
      b = Child(L"Button", L"B");
  }
  ~RoomLikeWindow() { DestroyWindow(hwnd); }

  HWND hwnd;
  HWND edit;
  HWND buttons[3];
  std::vector<std::pair<HWND, int>> notifications;

 private:
  HWND Child(const wchar_t* cls, const wchar_t* text) {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, hwnd, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
  static LRESULT CALLBACK Procedure(HWND h, UINT m, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<RoomLikeWindow*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (m == WM_COMMAND && self != nullptr) {
      self->notifications.emplace_back(reinterpret_cast<HWND>(l), HIWORD(w));
    }
    return DefWindowProcW(h, m, w, l);
  }
};

class ForeignWindowsTest : public ::testing::Test {
 protected:
  vl::win32::Win32ForeignWindows foreign;
  RoomLikeWindow room;
};

TEST_F(ForeignWindowsTest, ChildrenByClassInTheOrderOfChildren) {
  EXPECT_EQ(foreign.FindChild(W(room.hwnd), 0, L"Edit"), W(room.edit));
  EXPECT_EQ(foreign.FindChild(W(room.hwnd), 0, L"Button"), W(room.buttons[0]));
  EXPECT_EQ(foreign.FindChild(W(room.hwnd), W(room.buttons[0]), L"Button"), W(room.buttons[1]));
  EXPECT_EQ(foreign.FindChild(W(room.hwnd), W(room.buttons[1]), L"Button"), W(room.buttons[2]));
  EXPECT_EQ(foreign.FindChild(W(room.hwnd), W(room.buttons[2]), L"Button"), 0u);
  EXPECT_EQ(foreign.FindChild(W(room.hwnd), 0, L"RichEdit20W"), 0u);
  EXPECT_EQ(foreign.FindChild(0, 0, L"VlTestRoom"), 0u) << "no parent is no search of the desktop";
}

TEST_F(ForeignWindowsTest, ParentClassAndTitle) {
  EXPECT_EQ(foreign.Parent(W(room.edit)), W(room.hwnd));
  EXPECT_EQ(foreign.Parent(W(room.hwnd)), 0u);
  EXPECT_EQ(foreign.ClassName(W(room.hwnd)), L"VlTestRoom");
  EXPECT_EQ(_wcsicmp(foreign.ClassName(W(room.edit)).c_str(), L"Edit"), 0);
  EXPECT_EQ(foreign.Title(W(room.hwnd)), L"Salle \u2014 \u03a9mega");

  const std::wstring longTitle(300, L'\u00e9');
  SetWindowTextW(room.hwnd, longTitle.c_str());
  EXPECT_EQ(foreign.Title(W(room.hwnd)), longTitle.substr(0, 255));
}

TEST_F(ForeignWindowsTest, SetTextReplacesAndReadTextReadsBackIntoTheSameBuffer) {
  const std::wstring nick = L"Zo\u00eb_\u65e5\u672c_\u0411\u043e\u0440\u0438\u0441";
  EXPECT_TRUE(foreign.SetText(W(room.edit), L"old text that is replaced"));
  EXPECT_TRUE(foreign.SetText(W(room.edit), nick));
  EXPECT_EQ(foreign.TextLength(W(room.edit)), static_cast<int>(nick.size()));
  EXPECT_EQ(foreign.Text(W(room.edit)), nick);

  std::wstring buffer;
  buffer.reserve(64);
  const wchar_t* storage = buffer.data();
  foreign.ReadText(W(room.edit), buffer);
  EXPECT_EQ(buffer, nick);
  foreign.SetText(W(room.edit), L"Alice, ");
  foreign.ReadText(W(room.edit), buffer);
  EXPECT_EQ(buffer, L"Alice, ");
  EXPECT_EQ(buffer.data(), storage) << "a reader that ticks does not allocate anew";
  foreign.SetText(W(room.edit), L"");
  foreign.ReadText(W(room.edit), buffer);
  EXPECT_EQ(buffer, L"");
}

TEST_F(ForeignWindowsTest, ButtonDownThenUpClicksTheButton) {
  foreign.ButtonDown(W(room.buttons[0]));
  foreign.ButtonUp(W(room.buttons[0]));
  ASSERT_EQ(room.notifications.size(), 1u);
  EXPECT_EQ(room.notifications[0].first, room.buttons[0]);
  EXPECT_EQ(room.notifications[0].second, BN_CLICKED);
}

TEST_F(ForeignWindowsTest, AWindowThatHasGoneGivesTheFailedResults) {
  const WindowHandle edit = W(room.edit);
  const WindowHandle button = W(room.buttons[0]);
  DestroyWindow(room.edit);
  DestroyWindow(room.buttons[0]);
  EXPECT_EQ(foreign.TextLength(edit), 0);
  std::wstring buffer = L"stale";
  foreign.ReadText(edit, buffer);
  EXPECT_EQ(buffer, L"");
  EXPECT_FALSE(foreign.SetText(edit, L"x"));
  EXPECT_EQ(foreign.ClassName(edit), L"");
  EXPECT_EQ(foreign.Title(edit), L"");
  EXPECT_EQ(foreign.Parent(edit), 0u);
  EXPECT_FALSE(foreign.IsEnabled(edit));
  EXPECT_FALSE(foreign.IsEnabled(0));
  EXPECT_TRUE(foreign.IsEnabled(W(room.buttons[1])));
  EnableWindow(room.buttons[1], FALSE);
  EXPECT_FALSE(foreign.IsEnabled(W(room.buttons[1])));
  EXPECT_EQ(foreign.FindChild(edit, 0, L"Button"), 0u);
  foreign.ButtonDown(button);
  foreign.ButtonUp(button);
  EXPECT_TRUE(room.notifications.empty());
}

// A thread that makes a window, then blocks without ever taking its messages.
class HungWindow {
 public:
  HungWindow() {
    thread_ = std::thread([this] {
      window_ = CreateWindowExW(0, L"Edit", L"hung", WS_OVERLAPPED, 0, 0, 50, 20, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
      SetEvent(made_);
      WaitForSingleObject(release_, INFINITE);
      // Leaves without taking the messages sent meanwhile; the window goes with the thread.
    });
    WaitForSingleObject(made_, INFINITE);
  }
  ~HungWindow() {
    SetEvent(release_);
    thread_.join();
    CloseHandle(made_);
    CloseHandle(release_);
  }
  WindowHandle handle() const { return W(window_); }

 private:
  HANDLE made_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HWND window_ = nullptr;
  std::thread thread_;
};

ULONGLONG MsToRun(const std::function<void()>& call) {
  const ULONGLONG start = GetTickCount64();
  call();
  return GetTickCount64() - start;
}

TEST(ForeignWindowsHung, CallsGiveUpWithinTheTimeOut) {
  // The buffers outlive the hung thread: the messages it never took point into them.
  vl::win32::Win32ForeignWindows foreign;  // the program's own time-out
  vl::win32::Win32ForeignWindows quick(300);
  std::wstring text = L"before";
  HungWindow hung;

  int length = -1;
  const ULONGLONG waited = MsToRun([&] { length = foreign.TextLength(hung.handle()); });
  EXPECT_EQ(length, 0);
  EXPECT_GE(waited, vl::win32::Win32ForeignWindows::kDefaultTimeoutMs - 100);
  EXPECT_LE(waited, vl::win32::Win32ForeignWindows::kDefaultTimeoutMs + 1000);

  bool set = true;
  const ULONGLONG all = MsToRun([&] {
    quick.ReadText(hung.handle(), text);
    set = quick.SetText(hung.handle(), L"x");
    quick.ButtonDown(hung.handle());
    quick.ButtonUp(hung.handle());
  });
  EXPECT_EQ(text, L"");
  EXPECT_FALSE(set);
  EXPECT_LE(all, 5 * 300 + 1500u);
  // Calls that need no answer from the window still work.
  EXPECT_EQ(_wcsicmp(quick.ClassName(hung.handle()).c_str(), L"Edit"), 0);
}

}  // namespace
