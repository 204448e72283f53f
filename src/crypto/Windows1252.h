// Text to bytes and back through the Windows-1252 code page, as Windows maps it, on every
// system: the cipher helpers and the settings file of the fake platform rely on it.
#pragma once

#include <string>
#include <string_view>

namespace vl {

// One byte per character. A character the code page cannot hold becomes '?'; on systems with
// a 16-bit wchar_t a surrogate pair is one character and gives one '?'.
std::string ToWindows1252(std::wstring_view text);

// One character per byte; the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) give U+0081 etc., as Windows does, so every byte comes back unchanged.
std::wstring FromWindows1252(std::string_view bytes);

}  // namespace vl
