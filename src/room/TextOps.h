// The few text operations the room's lines are taken apart and put together with, with the
// exact meaning the program relies on: case-sensitive, first occurrence, blanks only.
#pragma once

#include <string>
#include <string_view>

namespace vl {

// Every occurrence of `what` replaced, left to right, without rescanning what was put in.
std::wstring ReplaceAll(std::wstring_view text, std::wstring_view what, std::wstring_view with);
// Every occurrence of `what` removed.
inline std::wstring RemoveAll(std::wstring_view text, std::wstring_view what) {
  return ReplaceAll(text, what, L"");
}
// Blanks (character 32 only) removed at both ends.
std::wstring_view TrimBlanks(std::wstring_view text);
inline bool Contains(std::wstring_view text, std::wstring_view what) {
  return text.find(what) != std::wstring_view::npos;
}

}  // namespace vl
