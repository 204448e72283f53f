// UTF-8 to wide text and back, for the files and arguments that come in UTF-8. wchar_t is
// UTF-16 on Windows and UTF-32 elsewhere; both are handled.
#pragma once

#include <string>
#include <string_view>

namespace vl {

// Malformed input (a bad UTF-8 sequence, a lone surrogate) becomes U+FFFD.
std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view bytes);
// The decoded text added at the end of `out`.
void AppendFromUtf8(std::wstring& out, std::string_view bytes);

}  // namespace vl
