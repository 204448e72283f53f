// The one write into the room, against a real "Edit" and "Button": the text replaces what the
// box held, the button's parent gets its click, and the program is held 150 ms.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/Win32Platform.h"
#include "room/ChatSender.h"

namespace vl {
namespace {

int clicks = 0;

LRESULT CALLBACK RoomProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) ++clicks;
  return DefWindowProcW(hwnd, msg, wp, lp);
}

std::wstring TextOf(HWND h) {
  wchar_t buf[512] = {};
  SendMessageW(h, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buf));
  return buf;
}

TEST(ChatSender, WritesTheBoxClicksSendAndHolds150Ms) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = RoomProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"ChatSenderTestRoom";
  RegisterClassW(&wc);
  HWND room = CreateWindowExW(0, wc.lpszClassName, L"room", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                              nullptr, nullptr, wc.hInstance, nullptr);
  HWND input = CreateWindowExW(0, L"Edit", L"ce que tapait le modérateur", WS_CHILD | WS_VISIBLE, 0,
                               0, 200, 20, room, nullptr, wc.hInstance, nullptr);
  HWND send = CreateWindowExW(0, L"Button", L"Envoyer", WS_CHILD | WS_VISIBLE, 0, 30, 80, 24, room,
                              nullptr, wc.hInstance, nullptr);
  win32::Win32Platform platform;
  RoomWindowSet set;
  set.RoomWindow = reinterpret_cast<WindowHandle>(room);
  set.InputBoxWindow = reinterpret_cast<WindowHandle>(input);
  set.SendButtonWindow = reinterpret_cast<WindowHandle>(send);

  LARGE_INTEGER frequency, before, after;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&before);
  ChatSender(platform.foreign(), platform.clock(), set, L"/msg RoomBot Zoé, kick flood (par Modo )");
  QueryPerformanceCounter(&after);

  EXPECT_EQ(TextOf(input), L"/msg RoomBot Zoé, kick flood (par Modo )");
  EXPECT_EQ(clicks, 1);
  const double ms = 1000.0 * static_cast<double>(after.QuadPart - before.QuadPart) /
                    static_cast<double>(frequency.QuadPart);
  EXPECT_GE(ms, 149.0);
  EXPECT_LT(ms, 1000.0);

  DestroyWindow(room);
  ChatSender(platform.foreign(), platform.clock(), set, L"perdu");  // a room that has gone: nothing, no hang
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace vl
