// Helpers of the Windows-side tests: pumping messages, reading a window's text and the
// screen's pixels.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vltest {

// Dispatches messages until `done` holds or `timeoutMs` passes; the last value of `done`.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs);
inline void PumpFor(int ms) {
  PumpUntil([] { return false; }, ms);
}

// Pixels from twips at the window's DPI, as the renderer places and sizes controls.
inline int Px(HWND window, int twips) {
  return MulDiv(twips, static_cast<int>(GetDpiForWindow(window)), 1440);
}

// The text of a window of this process (GetWindowTextW sends it WM_GETTEXT).
inline std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

// Pixels of a part of the screen, copied at construction (BitBlt from the screen DC).
class ScreenGrab {
 public:
  explicit ScreenGrab(const RECT& screenRect);
  ~ScreenGrab();
  ScreenGrab(const ScreenGrab&) = delete;
  ScreenGrab& operator=(const ScreenGrab&) = delete;
  // A pixel, in coordinates relative to the grabbed rectangle's top left.
  COLORREF At(int x, int y) const { return GetPixel(memory_, x, y); }
  // How many pixels of `rect` (relative coordinates) have exactly `colour`.
  int Count(const RECT& rect, COLORREF colour) const;

 private:
  HDC memory_;
  HBITMAP bitmap_;
};

}  // namespace vltest
