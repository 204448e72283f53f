// GetPrivateProfileStringA / WritePrivateProfileStringA with every argument converted to
// the ANSI code page and the value converted back; GetFileAttributesExW; GetModuleFileNameW.
#include "platform/win32/Win32Profile.h"

#include <windows.h>

#include "platform/win32/TextConvert.h"

namespace vl::win32 {

namespace {

std::wstring ShortName(const std::wstring& path) {
  const DWORD needed = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (needed == 0) return {};
  std::wstring shortPath(needed, L'\0');
  const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), needed);
  shortPath.resize(length < needed ? length : 0);
  return shortPath;
}

}  // namespace

std::string AnsiPath(const std::wstring& path) {
  if (FitsAnsi(path)) return ToAnsi(path);
  // An existing file has a short name of its own; a new one, in its folder's short name.
  if (std::wstring whole = ShortName(path); !whole.empty() && FitsAnsi(whole)) {
    return ToAnsi(whole);
  }
  const size_t slash = path.find_last_of(L"\\/");
  if (slash != std::wstring::npos) {
    std::wstring folder = ShortName(path.substr(0, slash));
    std::wstring name = path.substr(slash);
    if (!folder.empty() && FitsAnsi(folder) && FitsAnsi(name)) return ToAnsi(folder + name);
  }
  return ToAnsi(path);
}

std::wstring Win32Profile::ReadString(const std::wstring& section, const std::wstring& key,
                                      const std::wstring& path, int bufferChars) {
  if (bufferChars <= 0) return {};
  std::string buffer(static_cast<size_t>(bufferChars), '\0');
  const DWORD copied =
      GetPrivateProfileStringA(ToAnsi(section).c_str(), ToAnsi(key).c_str(), "", buffer.data(),
                               static_cast<DWORD>(bufferChars), AnsiPath(path).c_str());
  buffer.resize(copied);
  return FromAnsi(buffer);
}

bool Win32Profile::WriteString(const std::wstring& section, const std::wstring& key,
                               const std::wstring& value, const std::wstring& path) {
  return WritePrivateProfileStringA(ToAnsi(section).c_str(), ToAnsi(key).c_str(),
                                    ToAnsi(value).c_str(), AnsiPath(path).c_str()) != FALSE;
}

std::optional<std::uint64_t> Win32Profile::FileLength(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::wstring Win32Profile::ExecutableFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(path.size());
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), size);
    if (length == 0) return {};
    if (length < size) {
      path.resize(length);
      break;
    }
    if (size >= 32768) return {};
    path.resize(size * 2);  // a long path: a bigger buffer
  }
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

}  // namespace vl::win32
