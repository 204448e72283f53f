// Helpers of the Windows-side tests: pumping messages, finding a modal box of this thread,
// reading the screen, and writing the small files the tests need.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vltest {

// Dispatches this thread's messages for `ms` milliseconds.
void PumpFor(int ms);
// Dispatches messages until `done` holds or `timeoutMs` passes; the last value of `done`.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs);

// A visible top-level window of this thread of class `className` whose title is `title`.
HWND FindThreadWindow(const wchar_t* className, const std::wstring& title);

// The child windows of `parent`, top of the z-order first.
std::vector<HWND> ChildrenTopFirst(HWND parent);

// The window's text through WM_GETTEXT, as tests and accessibility tools read it.
std::wstring TextOf(HWND window);

// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);

// Pixels of a part of the screen, copied at construction (BitBlt from the screen DC).
class ScreenGrab {
 public:
  explicit ScreenGrab(const RECT& screenRect);
  ~ScreenGrab();
  ScreenGrab(const ScreenGrab&) = delete;
  ScreenGrab& operator=(const ScreenGrab&) = delete;
  // A pixel, in coordinates relative to the grabbed rectangle's top left.
  COLORREF At(int x, int y) const;
  // How many pixels of `rect` (relative coordinates) have exactly `colour`.
  int Count(const RECT& rect, COLORREF colour) const;
  // Saves the grab as a 24-bit BMP file.
  bool SaveBmp(const std::wstring& path) const;
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;  // 0x00RRGGBB, top row first
};

// A fresh folder under the temporary folder, removed with its files by the destructor.
class TempFolder {
 public:
  explicit TempFolder(const std::wstring& leaf = L"");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::wstring& Path() const { return path_; }
  std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

// Writes a 32 by 32 monochrome cursor file (hot spot 16, 16).
bool WriteCursorFile(const std::wstring& path);

// The running test executable's full path.
std::wstring ExecutablePath();

}  // namespace vltest
