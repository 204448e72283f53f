// Message pumping and screen grabs.
#include "win32/WinTestSupport.h"

namespace vltest {

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done()) return true;
    const ULONGLONG now = GetTickCount64();
    if (now >= end) return done();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
  }
}

ScreenGrab::ScreenGrab(const RECT& r) {
  HDC screen = GetDC(nullptr);
  memory_ = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, r.right - r.left, r.bottom - r.top);
  SelectObject(memory_, bitmap_);
  BitBlt(memory_, 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
}

ScreenGrab::~ScreenGrab() {
  DeleteDC(memory_);
  DeleteObject(bitmap_);
}

int ScreenGrab::Count(const RECT& rect, COLORREF colour) const {
  int count = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x)
      count += At(x, y) == colour ? 1 : 0;
  }
  return count;
}

}  // namespace vltest
