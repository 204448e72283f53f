// Twips (1/1440 inch) and pixels at a window's real DPI, on every Windows from 7 SP1.
#pragma once

#include <windows.h>

namespace vl::win32 {

inline constexpr int kTwipsPerInch = 1440;

inline int TwipsToPixels(int twips, int dpi) {
  return MulDiv(twips, dpi, kTwipsPerInch);
}
inline int PixelsToTwips(int pixels, int dpi) {
  return MulDiv(pixels, kTwipsPerInch, dpi);
}

// The DPI of the window, or of the system when there is no window yet. The calls that give a
// window's own DPI (Windows 10 1607, or the monitor's in Windows 8.1) are looked up at run
// time: importing them would keep the program from starting on an older Windows.
int DpiOf(HWND window);

// The screen's DPI (Windows 7 and 8 have no other), and the monitor's under the window
// (0 before Windows 8.1): what DpiOf falls back on.
int SystemDpi();
int MonitorDpiOf(HWND window);

// The window rectangle around a client rectangle, for a frame drawn at `dpi`.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, int dpi);

}  // namespace vl::win32
