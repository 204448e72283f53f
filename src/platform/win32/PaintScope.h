// WM_PAINT and WM_PRINTCLIENT through one painting function: BeginPaint/EndPaint for the
// first, the given DC for the second (PrintWindow and screenshots use it).
#pragma once

#include <windows.h>

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
};

}  // namespace vl::win32
