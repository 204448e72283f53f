// WM_PAINT and WM_PRINTCLIENT through one painting function: BeginPaint/EndPaint for the
// first, the given DC for the second (PrintWindow and screenshots use it). The windows that
// paint themselves wholly take no background erase.
#pragma once

#include <windows.h>

#include <optional>

namespace vl::win32 {

class PaintScope {
 public:
  template <typename Painter>
  static LRESULT Run(HWND hwnd, UINT message, WPARAM wParam, Painter&& paint) {
    if (message == WM_PRINTCLIENT) {
      paint(reinterpret_cast<HDC>(wParam));
      return 0;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    paint(dc);
    EndPaint(hwnd, &ps);
    return 0;
  }

  // The painting messages of a window that paints its whole client area; nothing for any
  // other message.
  template <typename Painter>
  static std::optional<LRESULT> Handle(HWND hwnd, UINT message, WPARAM wParam, Painter&& paint) {
    if (message == WM_ERASEBKGND) return 1;
    if (message != WM_PAINT && message != WM_PRINTCLIENT) return std::nullopt;
    return Run(hwnd, message, wParam, paint);
  }
};

}  // namespace vl::win32
