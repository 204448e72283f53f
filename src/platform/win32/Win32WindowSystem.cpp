// Peers for the forms, the primary screen's size in twips at the system's DPI, and a
// monitor's work area at a window's DPI (the process is DPI aware, so the metrics are real
// pixels).
#include "platform/win32/Win32WindowSystem.h"

#include "platform/win32/Dpi.h"
#include "platform/win32/FormWindow.h"

namespace vl::win32 {

std::unique_ptr<FormPeer> Win32WindowSystem::CreatePeer(Form& form) {
  return std::make_unique<FormWindow>(form, *this);
}

int Win32WindowSystem::ScreenWidth() {
  return PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), DpiOf(nullptr));
}

int Win32WindowSystem::ScreenHeight() {
  return PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), DpiOf(nullptr));
}

Rect Win32WindowSystem::WorkAreaOf(WindowHandle window) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  HMONITOR monitor = hwnd != nullptr ? MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST)
                                     : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info))
    info.rcWork = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const RECT& r = info.rcWork;
  const int dpi = DpiOf(hwnd);
  return {PixelsToTwips(r.left, dpi), PixelsToTwips(r.top, dpi),
          PixelsToTwips(r.right - r.left, dpi), PixelsToTwips(r.bottom - r.top, dpi)};
}

}  // namespace vl::win32
