// FindWindowExW, GetParent, GetClassNameW, WindowFromPoint, GetCursorPos, and the text and
// button messages with a time-out.
#include "platform/win32/Win32ForeignWindows.h"

#include <windows.h>

#include <algorithm>

namespace vl::win32 {

namespace {

HWND H(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}
WindowHandle W(HWND window) {
  return reinterpret_cast<WindowHandle>(window);
}
constexpr int kNameChars = 256;  // 255 characters and the NUL

}  // namespace

bool Win32ForeignWindows::Send(WindowHandle window, unsigned message, std::uintptr_t wParam,
                               std::intptr_t lParam, std::uintptr_t* result) {
  if (window == 0) return false;
  const DWORD thread = GetWindowThreadProcessId(H(window), nullptr);
  if (thread == 0) return false;  // the window has gone
  ThreadState& state = (*threads_)[thread];
  if (state.hung) {
    Probe(window, thread);
    return false;
  }
  DWORD_PTR answer = 0;
  SetLastError(0);
  LRESULT sent = SendMessageTimeoutW(H(window), message, wParam, lParam,
                                     SMTO_ABORTIFHUNG | SMTO_BLOCK, timeoutMs_, &answer);
  if (sent == 0) {
    // A time-out, or a thread the system already knows as hung; a window that went away
    // in the meantime is no hang.
    if (IsWindow(H(window)) && (GetLastError() == ERROR_TIMEOUT || IsHungAppWindow(H(window)))) {
      state.hung = true;
      Probe(window, thread);
    }
    return false;
  }
  if (result != nullptr) *result = answer;
  return true;
}

namespace {

struct ProbeTicket {
  std::weak_ptr<Win32ForeignWindows::Threads> threads;
  DWORD thread;
};

// The hung thread has taken the probe: its windows are called again.
void CALLBACK ProbeAnswered(HWND, UINT, ULONG_PTR data, LRESULT) {
  std::unique_ptr<ProbeTicket> ticket(reinterpret_cast<ProbeTicket*>(data));
  if (auto threads = ticket->threads.lock()) (*threads)[ticket->thread] = {};
}

}  // namespace

void Win32ForeignWindows::Probe(WindowHandle window, unsigned long thread) {
  ThreadState& state = (*threads_)[thread];
  if (state.probing) return;
  auto ticket = std::make_unique<ProbeTicket>(ProbeTicket{threads_, thread});
  if (SendMessageCallbackW(H(window), WM_NULL, 0, 0, ProbeAnswered,
                           reinterpret_cast<ULONG_PTR>(ticket.get()))) {
    ticket.release();  // the answer frees it; a client that never answers keeps it
    state.probing = true;
  }
}

WindowHandle Win32ForeignWindows::FindChild(WindowHandle parent, WindowHandle after,
                                            std::wstring_view className) {
  // A parent of 0 would search the top-level windows: not a child of anything.
  if (parent == 0) return 0;
  const std::wstring name(className);
  return W(FindWindowExW(H(parent), H(after), name.c_str(), nullptr));
}

WindowHandle Win32ForeignWindows::Parent(WindowHandle window) {
  return window == 0 ? 0 : W(GetParent(H(window)));
}

std::wstring Win32ForeignWindows::ClassName(WindowHandle window) {
  wchar_t name[kNameChars] = {};
  if (window == 0) return {};
  const int length = GetClassNameW(H(window), name, kNameChars);
  return std::wstring(name, static_cast<size_t>(length > 0 ? length : 0));
}

std::wstring Win32ForeignWindows::Title(WindowHandle window) {
  wchar_t title[kNameChars] = {};
  if (window == 0 || !IsWindow(H(window))) return {};
  DWORD process = 0;
  GetWindowThreadProcessId(H(window), &process);
  if (process != GetCurrentProcessId()) {
    // Another process's title is read without a message to it: no wait on a hung window.
    const int length = GetWindowTextW(H(window), title, kNameChars);
    return std::wstring(title, static_cast<size_t>(length > 0 ? length : 0));
  }
  // GetWindowTextW sends WM_GETTEXT, unbounded, to a window of this process.
  std::uintptr_t copied = 0;
  if (!Send(window, WM_GETTEXT, kNameChars, reinterpret_cast<std::intptr_t>(title), &copied)) {
    return {};
  }
  return std::wstring(title, std::min<size_t>(copied, kNameChars - 1));
}

WindowHandle Win32ForeignWindows::WindowAtPoint(Point screen) {
  return W(WindowFromPoint(POINT{screen.x, screen.y}));
}

Point Win32ForeignWindows::CursorPosition() {
  POINT p{};
  if (!GetCursorPos(&p)) return {};
  return {p.x, p.y};
}

int Win32ForeignWindows::TextLength(WindowHandle window) {
  std::uintptr_t length = 0;
  if (!Send(window, WM_GETTEXTLENGTH, 0, 0, &length)) return 0;
  return static_cast<int>(length);
}

void Win32ForeignWindows::ReadText(WindowHandle window, std::wstring& out) {
  const int length = TextLength(window);
  if (length <= 0) {
    out.clear();
    return;
  }
  // resize() keeps the capacity: a reader that ticks reuses the same storage.
  out.resize(static_cast<size_t>(length) + 1);
  std::uintptr_t copied = 0;
  if (!Send(window, WM_GETTEXT, out.size(), reinterpret_cast<std::intptr_t>(out.data()), &copied)) {
    out.clear();
    return;
  }
  out.resize(std::min<size_t>(copied, static_cast<size_t>(length)));
}

bool Win32ForeignWindows::SetText(WindowHandle window, std::wstring_view text) {
  setTextBuffer_.assign(text);
  std::uintptr_t result = 0;
  if (!Send(window, WM_SETTEXT, 0, reinterpret_cast<std::intptr_t>(setTextBuffer_.c_str()),
            &result)) {
    return false;
  }
  return result != 0;
}

void Win32ForeignWindows::ButtonDown(WindowHandle window) {
  Send(window, WM_LBUTTONDOWN, 0, 0);
}

void Win32ForeignWindows::ButtonUp(WindowHandle window) {
  Send(window, WM_LBUTTONUP, 0, 0);
}

bool Win32ForeignWindows::IsEnabled(WindowHandle window) {
  return window != 0 && IsWindow(H(window)) && IsWindowEnabled(H(window));
}

}  // namespace vl::win32
