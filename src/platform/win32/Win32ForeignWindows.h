// The chat client's windows through the wide window calls. Every message is sent with
// SendMessageTimeoutW (SMTO_ABORTIFHUNG | SMTO_BLOCK): a call that gives up on a hung
// window fails like a call on a window that has gone, and never freezes the program.
#pragma once

#include <string>

#include "platform/ForeignWindows.h"

namespace vl::win32 {

class Win32ForeignWindows final : public ForeignWindows {
 public:
  static constexpr unsigned kDefaultTimeoutMs = 2000;
  explicit Win32ForeignWindows(unsigned timeoutMs = kDefaultTimeoutMs) : timeoutMs_(timeoutMs) {}

  WindowHandle FindChild(WindowHandle parent, WindowHandle after,
                         std::wstring_view className) override;
  WindowHandle Parent(WindowHandle window) override;
  std::wstring ClassName(WindowHandle window) override;
  std::wstring Title(WindowHandle window) override;
  WindowHandle WindowAtPoint(Point screen) override;
  Point CursorPosition() override;
  int TextLength(WindowHandle window) override;
  void ReadText(WindowHandle window, std::wstring& out) override;
  bool SetText(WindowHandle window, std::wstring_view text) override;
  void ButtonDown(WindowHandle window) override;
  void ButtonUp(WindowHandle window) override;
  bool IsEnabled(WindowHandle window) override;

 private:
  // The message's result; nothing when the window is not valid, hangs or times out.
  bool Send(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
            std::uintptr_t* result = nullptr);

  unsigned timeoutMs_;
  std::wstring setTextBuffer_;  // the NUL-terminated copy WM_SETTEXT needs, reused
};

}  // namespace vl::win32
