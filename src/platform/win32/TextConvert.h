// Conversions between the program's wide text and the system's ANSI code page, which the
// settings file and the process snapshot use.
#pragma once

#include <string>
#include <string_view>

namespace vl::win32 {

std::string ToAnsi(std::wstring_view text);
// True when every character of `text` has its own character in the ANSI code page.
bool FitsAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view text);

}  // namespace vl::win32
