#include "platform/win32/Win32Files.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>

namespace vl::win32 {
namespace {

struct FileHandle {
  HANDLE h;
  ~FileHandle() {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
};

}  // namespace

// Opened for each append, so that a file moved or removed meanwhile is simply made anew, and
// shared for reading, so that a spreadsheet showing the journal does not stop the next row.
// A short write (a full disk) is cut back, leaving no half row for the next one to follow.
bool Win32Files::Append(const std::wstring& path, std::string_view bytes) {
  FileHandle file{CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.h == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER end{};
  if (!SetFilePointerEx(file.h, LARGE_INTEGER{}, &end, FILE_END)) return false;
  DWORD written = 0;
  const BOOL ok =
      WriteFile(file.h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  if (ok && written == bytes.size()) return true;
  if (SetFilePointerEx(file.h, end, nullptr, FILE_BEGIN)) SetEndOfFile(file.h);
  return false;
}

std::optional<std::string> Win32Files::Read(const std::wstring& path, std::uint64_t offset,
                                            std::size_t maxBytes) {
  FileHandle file{CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.h == INVALID_HANDLE_VALUE) return std::nullopt;
  LARGE_INTEGER at{};
  at.QuadPart = static_cast<LONGLONG>(offset);
  if (!SetFilePointerEx(file.h, at, nullptr, FILE_BEGIN)) return std::nullopt;
  std::string bytes(maxBytes, '\0');
  std::size_t got = 0;
  while (got < maxBytes) {
    DWORD read = 0;
    const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(maxBytes - got, 1u << 24));
    if (!ReadFile(file.h, bytes.data() + got, ask, &read, nullptr)) return std::nullopt;
    if (read == 0) break;
    got += read;
  }
  bytes.resize(got);
  return bytes;
}

// ShellExecute answers above 32 when it started something.
bool Win32Files::OpenWithAssociatedProgram(const std::wstring& path) {
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace vl::win32
