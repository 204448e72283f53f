// The owner of a modal box: the program's active window when it is visible and not
// minimized (an owned box of a minimized window would be hidden with it), else none.
#pragma once

#include <windows.h>

namespace vl::win32 {

inline HWND DialogOwner() {
  HWND active = GetActiveWindow();
  if (active == nullptr || !IsWindowVisible(active) || IsIconic(active)) return nullptr;
  return active;
}

}  // namespace vl::win32
