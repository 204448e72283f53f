// Twips (1/1440 inch) and pixels at a window's real DPI.
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

// The DPI of the window, or of the system when there is no window yet.
inline int DpiOf(HWND window) {
  UINT dpi = window != nullptr ? GetDpiForWindow(window) : 0;
  if (dpi == 0) dpi = GetDpiForSystem();
  return dpi != 0 ? static_cast<int>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace vl::win32
