// The DPI calls of Windows 10 1607 and 8.1, found once, and what an older Windows does instead.
#include "platform/win32/Dpi.h"

#include <shellscalingapi.h>

namespace vl::win32 {

namespace {

struct NewerCalls {
  decltype(&GetDpiForWindow) dpiForWindow = nullptr;
  decltype(&GetDpiForSystem) dpiForSystem = nullptr;
  decltype(&AdjustWindowRectExForDpi) adjustForDpi = nullptr;
  decltype(&GetDpiForMonitor) dpiForMonitor = nullptr;
};

template <typename Call>
void Find(HMODULE module, const char* name, Call& call) {
  // Through void (*)(), which any function pointer converts from and to without a warning.
  if (module != nullptr)
    call = reinterpret_cast<Call>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

const NewerCalls& Calls() {
  static const NewerCalls calls = [] {
    NewerCalls found;
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    Find(user32, "GetDpiForWindow", found.dpiForWindow);
    Find(user32, "GetDpiForSystem", found.dpiForSystem);
    Find(user32, "AdjustWindowRectExForDpi", found.adjustForDpi);
    // Windows 8.1 and early 10 have only the monitor's DPI, in shcore.dll (from System32 only;
    // the flag fails on a Windows 7 without KB2533623, which has no shcore anyway).
    if (found.dpiForWindow == nullptr) {
      Find(LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32), "GetDpiForMonitor",
           found.dpiForMonitor);
    }
    return found;
  }();
  return calls;
}

}  // namespace

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi;
}

int MonitorDpiOf(HWND window) {
  UINT x = 0, y = 0;
  const auto dpiForMonitor = Calls().dpiForMonitor;
  if (dpiForMonitor == nullptr ||
      FAILED(dpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), MDT_EFFECTIVE_DPI,
                           &x, &y)))
    return 0;
  return static_cast<int>(x);
}

int DpiOf(HWND window) {
  const NewerCalls& calls = Calls();
  int dpi = 0;
  if (window != nullptr) {
    dpi = calls.dpiForWindow != nullptr ? static_cast<int>(calls.dpiForWindow(window))
                                        : MonitorDpiOf(window);
  }
  if (dpi == 0) dpi = calls.dpiForSystem != nullptr ? static_cast<int>(calls.dpiForSystem()) : 0;
  if (dpi == 0) dpi = SystemDpi();
  return dpi != 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, int dpi) {
  // Before Windows 10 1607 a frame is drawn at the system's DPI on every monitor.
  if (Calls().adjustForDpi != nullptr) {
    Calls().adjustForDpi(&rect, style, menu, 0, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&rect, style, menu, 0);
  }
}

}  // namespace vl::win32
