// Text helpers of the room simulator: UTF-8 for its files (log, control channel), splitting at
// blanks, and the small string tests the room bot's parser needs. Portable.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "crypto/Utf8.h"

namespace roomsim {

using vl::FromUtf8;
using vl::ToUtf8;

bool StartsWith(std::wstring_view text, std::wstring_view prefix);

// Splits off the first word: "a b c" -> {"a", "b c"}. The separator is exactly one blank, so
// the rest keeps any further blanks as typed.
std::pair<std::wstring, std::wstring> SplitFirstWord(std::wstring_view text);

std::wstring Trim(std::wstring_view text);

// Decimal integer of the whole text, with an optional leading '-'; false if anything else.
bool ParseInt(std::wstring_view text, long long& value);

}  // namespace roomsim
