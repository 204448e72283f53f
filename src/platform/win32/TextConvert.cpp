// WideCharToMultiByte / MultiByteToWideChar with CP_ACP; characters the code page cannot
// hold become its default character, as the ANSI calls of Windows make them.
#include "platform/win32/TextConvert.h"

#include <windows.h>

namespace vl::win32 {

std::string ToAnsi(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  int bytes = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), size, out.data(), bytes, nullptr, nullptr);
  return out;
}

bool FitsAnsi(std::wstring_view text) {
  if (text.empty()) return true;
  BOOL usedDefault = FALSE;
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                      nullptr, 0, nullptr, &usedDefault);
  return usedDefault == FALSE;
}

std::wstring FromAnsi(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  int chars = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring out(static_cast<size_t>(chars), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, out.data(), chars);
  return out;
}

}  // namespace vl::win32
