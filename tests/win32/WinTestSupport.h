// What the Windows-side tests share: pumping messages, bitmaps of the screen and of drawn
// text, and a sample form with every kind of control that records its events.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Form.h"
#include "platform/win32/Win32Platform.h"

namespace vltest {

// Dispatches messages until `done` holds or `timeoutMs` passes; the last value of `done`.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs);
inline void PumpFor(int ms) {
  PumpUntil([] { return false; }, ms);
}

// The text of a window of this process (GetWindowTextW sends it WM_GETTEXT).
inline std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

// A 32-bit top-down bitmap with a DC of its own: drawn into, or filled from the screen.
class Bitmap {
 public:
  Bitmap(int width, int height);
  explicit Bitmap(const RECT& screenRect);  // pixels of a part of the screen
  ~Bitmap();
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;
  COLORREF At(int x, int y) const;  // after GdiFlush() when drawn into
  // How many pixels of `rect` have exactly `colour`.
  int Count(const RECT& rect, COLORREF colour) const;
  void Save(const std::string& path) const;  // as a BMP file
  HDC dc;
  const int width, height;

 private:
  HBITMAP bitmap_;
  DWORD* bits_ = nullptr;
};

// Every kind of control, three of them in a frame, and menus, in the manner of the control
// panel. Label3 is disabled. Records its events as short words ("down:L", "close?", and
// "c.click" for a control recorded as "c").
class SampleForm : public vl::Form {
 public:
  explicit SampleForm(vl::Platform& platform);
  std::vector<std::string> events;
  bool allowClose = true;

  // Hands the control's events to `events`, prefixed with `tag` ("c.down:L").
  void Record(vl::Control& control, const std::string& tag);
  HWND WindowOf(const vl::Control& control) const;
  HWND Hwnd() const { return reinterpret_cast<HWND>(Handle()); }

 protected:
  bool OnCloseRequest() override;
  void OnMouseDown(vl::MouseButton b) override;
  void OnMouseUp(vl::MouseButton b) override;
};

}  // namespace vltest
