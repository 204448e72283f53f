// Message pumping, window look-ups, screen grabs and test files.
#include "win32/WinTestSupport.h"

#include <cstdio>

namespace vltest {

namespace {

void DispatchPending() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

void PumpFor(int ms) {
  PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
  for (;;) {
    DispatchPending();
    if (done()) return true;
    const ULONGLONG now = GetTickCount64();
    if (now >= end) return done();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
  }
}

HWND FindThreadWindow(const wchar_t* className, const std::wstring& title) {
  struct Search {
    const wchar_t* className;
    const std::wstring* title;
    HWND found;
  } search{className, &title, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        wchar_t name[256] = {};
        GetClassNameW(window, name, 256);
        if (!IsWindowVisible(window) || lstrcmpiW(name, s->className) != 0) return TRUE;
        wchar_t text[512] = {};
        GetWindowTextW(window, text, 512);
        if (*s->title != text) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> ChildrenTopFirst(HWND parent) {
  std::vector<HWND> children;
  for (HWND c = GetWindow(parent, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    children.push_back(c);
  }
  return children;
}

std::wstring TextOf(HWND window) {
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return text;
}

RECT RectInParent(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

ScreenGrab::ScreenGrab(const RECT& screenRect)
    : width_(screenRect.right - screenRect.left), height_(screenRect.bottom - screenRect.top) {
  pixels_.assign(static_cast<size_t>(width_) * height_, 0);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width_, height_, screen, screenRect.left, screenRect.top, SRCCOPY);
  GdiFlush();
  const auto* source = static_cast<const std::uint32_t*>(bits);
  for (size_t i = 0; i < pixels_.size(); ++i)
    pixels_[i] = source[i] & 0xFFFFFF;
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

ScreenGrab::~ScreenGrab() = default;

COLORREF ScreenGrab::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  const std::uint32_t p = pixels_[static_cast<size_t>(y) * width_ + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int ScreenGrab::Count(const RECT& rect, COLORREF colour) const {
  int count = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x)
      count += At(x, y) == colour ? 1 : 0;
  }
  return count;
}

bool ScreenGrab::SaveBmp(const std::wstring& path) const {
  const int rowBytes = (width_ * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width_;
  header.biHeight = height_;  // bottom row first in the file
  header.biPlanes = 1;
  header.biBitCount = 24;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(rowBytes * height_);
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (out == nullptr) return false;
  std::fwrite(&file, sizeof file, 1, out);
  std::fwrite(&header, sizeof header, 1, out);
  std::vector<unsigned char> row(static_cast<size_t>(rowBytes), 0);
  for (int y = height_ - 1; y >= 0; --y) {
    for (int x = 0; x < width_; ++x) {
      const COLORREF c = At(x, y);
      row[x * 3] = GetBValue(c);
      row[x * 3 + 1] = GetGValue(c);
      row[x * 3 + 2] = GetRValue(c);
    }
    std::fwrite(row.data(), 1, row.size(), out);
  }
  return std::fclose(out) == 0;
}

TempFolder::TempFolder(const std::wstring& leaf) {
  wchar_t base[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, base);
  path_ = std::wstring(base) + L"vltest-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(GetTickCount64()) + leaf;
  CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveDirectoryW(File(name).c_str());
      } else {
        DeleteFileW(File(name).c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(path_.c_str());
}

bool WriteCursorFile(const std::wstring& path) {
  std::vector<unsigned char> data;
  auto put16 = [&](unsigned v) {
    data.push_back(v & 0xFF);
    data.push_back((v >> 8) & 0xFF);
  };
  auto put32 = [&](unsigned v) {
    put16(v & 0xFFFF);
    put16(v >> 16);
  };
  const unsigned imageBytes = 40 + 8 + 128 + 128;
  put16(0), put16(2), put16(1);                         // ICONDIR: a cursor file, one image
  data.push_back(32), data.push_back(32), put16(0);     // 32 x 32, no palette count, reserved
  put16(16), put16(16), put32(imageBytes), put32(22);   // hot spot, size, offset
  put32(40), put32(32), put32(64), put16(1), put16(1);  // BITMAPINFOHEADER (XOR + AND)
  for (int i = 0; i < 6; ++i)
    put32(0);
  put32(0x000000), put32(0xFFFFFF);  // palette: black, white
  for (int row = 0; row < 32; ++row)
    put32(row % 4 < 2 ? 0xFFFFFFFFu : 0u);  // XOR: stripes
  for (int row = 0; row < 32; ++row)
    put32(0);  // AND: all opaque
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (out == nullptr) return false;
  std::fwrite(data.data(), 1, data.size(), out);
  return std::fclose(out) == 0;
}

std::wstring ExecutablePath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

}  // namespace vltest
