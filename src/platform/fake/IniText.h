// The INI profile format as the platform's profile calls read and write it, over the text of
// a whole file. The fake platform stores its settings files through it; a Windows-side test
// checks it against the real calls, file for file.
#pragma once

#include <string>
#include <string_view>

namespace vl {

// The value of `key` in `section` (names matched whatever their case, blanks around them
// ignored), cut to `bufferChars` - 1 characters; "" when missing. A value enclosed in a pair
// of the same quotes comes back without them, as the profile calls give it.
std::wstring IniRead(std::wstring_view content, std::wstring_view section, std::wstring_view key,
                     int bufferChars);

// The file's text after storing `value` under `key` in `section`: the section and the key are
// added at the end when missing, every other line is kept (blank lines are dropped, as the
// profile calls drop them when they rewrite a file). Sets `changed` to false when the value
// was already stored, in which case the file is not to be rewritten.
std::wstring IniWrite(std::wstring_view content, std::wstring_view section, std::wstring_view key,
                      std::wstring_view value, bool& changed);

}  // namespace vl
