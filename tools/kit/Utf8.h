// UTF-8 to wide text and back, for the kit's arguments and output. wchar_t is UTF-16 on
// Windows and UTF-32 elsewhere; both are handled.
#pragma once

#include <string>
#include <string_view>

namespace vl::kit {

// Malformed input (a bad UTF-8 sequence, a lone surrogate) becomes U+FFFD.
std::string Utf8FromWide(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view bytes);

}  // namespace vl::kit
