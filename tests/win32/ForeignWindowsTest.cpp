// The foreign-window calls against real windows made by the test: a parent holding an
// "Edit" and "Button"s, windows that have gone, and a window whose thread hangs.
#include <gtest/gtest.h>

#include <thread>

#include "platform/win32/Win32ForeignWindows.h"
#include "win32/WinTestSupport.h"

namespace {

using vl::WindowHandle;

WindowHandle W(HWND h) {
  return reinterpret_cast<WindowHandle>(h);
}

HWND Make(const wchar_t* cls, const wchar_t* text, DWORD style, HWND parent) {
  return CreateWindowExW(0, cls, text, style, 0, 0, 100, 20, parent, nullptr, nullptr, nullptr);
}

// A top-level window like the room's: an "Edit", then two "Button"s that keep their own check
// mark, so that a click shows.
class ForeignWindowsTest : public ::testing::Test {
 protected:
  void TearDown() override { DestroyWindow(room); }

  vl::win32::Win32ForeignWindows foreign;
  HWND room = Make(L"Static", L"Salle \u2014 \u03a9mega", WS_OVERLAPPEDWINDOW, nullptr);
  HWND edit = Make(L"Edit", L"", WS_CHILD, room);
  HWND buttons[2] = {Make(L"Button", L"B", WS_CHILD | BS_AUTOCHECKBOX, room),
                     Make(L"Button", L"B", WS_CHILD | BS_AUTOCHECKBOX, room)};
};

TEST_F(ForeignWindowsTest, ChildrenByClassParentClassAndTitle) {
  EXPECT_EQ(foreign.FindChild(W(room), 0, L"Edit"), W(edit));
  EXPECT_EQ(foreign.FindChild(W(room), 0, L"Button"), W(buttons[0]));
  EXPECT_EQ(foreign.FindChild(W(room), W(buttons[0]), L"Button"), W(buttons[1]));
  EXPECT_EQ(foreign.FindChild(W(room), W(buttons[1]), L"Button"), 0u);
  EXPECT_EQ(foreign.FindChild(0, 0, L"Static"), 0u) << "no parent is no search of the desktop";
  EXPECT_EQ(foreign.Parent(W(edit)), W(room));
  EXPECT_EQ(foreign.Parent(W(room)), 0u);
  EXPECT_EQ(_wcsicmp(foreign.ClassName(W(edit)).c_str(), L"Edit"), 0);
  EXPECT_EQ(foreign.Title(W(room)), L"Salle \u2014 \u03a9mega");
  const std::wstring longTitle(300, L'\u00e9');
  SetWindowTextW(room, longTitle.c_str());
  EXPECT_EQ(foreign.Title(W(room)), longTitle.substr(0, 255));
}

TEST_F(ForeignWindowsTest, TextIsSetAndReadBackAndAButtonIsClicked) {
  const std::wstring nick = L"Zo\u00eb_\u65e5\u672c_\u0411\u043e\u0440\u0438\u0441";
  EXPECT_TRUE(foreign.SetText(W(edit), nick));
  EXPECT_EQ(foreign.TextLength(W(edit)), static_cast<int>(nick.size()));
  std::wstring buffer;
  buffer.reserve(64);
  const wchar_t* storage = buffer.data();
  foreign.ReadText(W(edit), buffer);
  EXPECT_EQ(buffer, nick);
  foreign.SetText(W(edit), L"");
  foreign.ReadText(W(edit), buffer);
  EXPECT_EQ(buffer, L"");
  EXPECT_EQ(buffer.data(), storage) << "a reader that ticks does not allocate anew";

  foreign.ButtonDown(W(buttons[1]));
  foreign.ButtonUp(W(buttons[1]));
  EXPECT_EQ(SendMessageW(buttons[1], BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(buttons[0], BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ForeignWindowsTest, AWindowThatHasGoneGivesTheFailedResults) {
  const WindowHandle gone = W(edit), goneButton = W(buttons[0]);
  DestroyWindow(edit);
  DestroyWindow(buttons[0]);
  EXPECT_EQ(foreign.TextLength(gone), 0);
  std::wstring buffer = L"stale";
  foreign.ReadText(gone, buffer);
  EXPECT_EQ(buffer, L"");
  EXPECT_FALSE(foreign.SetText(gone, L"x"));
  EXPECT_EQ(foreign.ClassName(gone), L"");
  EXPECT_EQ(foreign.Title(gone), L"");
  EXPECT_EQ(foreign.Parent(gone), 0u);
  EXPECT_EQ(foreign.FindChild(gone, 0, L"Button"), 0u);
  EXPECT_FALSE(foreign.IsEnabled(gone));
  EXPECT_TRUE(foreign.IsEnabled(W(buttons[1])));
  foreign.ButtonDown(goneButton);  // nothing left to click: nothing breaks
  foreign.ButtonUp(goneButton);
}

TEST(ForeignWindowsHung, CallsGiveUpWithinTheTimeOut) {
  // The buffers outlive the hung thread: the messages it never took point into them.
  std::wstring text = L"before";
  vl::win32::Win32ForeignWindows foreign(300);
  HANDLE made = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HWND hung = nullptr;
  std::thread owner([&] {  // makes a window, then blocks without ever taking its messages
    hung = Make(L"Edit", L"hung", WS_OVERLAPPED, nullptr);
    SetEvent(made);
    WaitForSingleObject(release, INFINITE);
  });
  WaitForSingleObject(made, INFINITE);
  const ULONGLONG start = GetTickCount64();
  const int length = foreign.TextLength(W(hung));
  foreign.ReadText(W(hung), text);
  const bool set = foreign.SetText(W(hung), L"x");
  foreign.ButtonDown(W(hung));
  foreign.ButtonUp(W(hung));
  const ULONGLONG waited = GetTickCount64() - start;
  EXPECT_EQ(length, 0);
  EXPECT_EQ(text, L"");
  EXPECT_FALSE(set);
  EXPECT_GE(waited, 250u) << "the calls did wait for an answer";
  EXPECT_LE(waited, 5 * 300 + 1500u);
  EXPECT_EQ(_wcsicmp(foreign.ClassName(W(hung)).c_str(), L"Edit"), 0) << "needs no answer";
  SetEvent(release);
  owner.join();
  CloseHandle(made);
  CloseHandle(release);
}

}  // namespace
