// Small string helpers of the room simulator.
#include "Text.h"

namespace roomsim {

bool StartsWith(std::wstring_view text, std::wstring_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::pair<std::wstring, std::wstring> SplitFirstWord(std::wstring_view text) {
  const auto blank = text.find(L' ');
  if (blank == std::wstring_view::npos) return {std::wstring(text), L""};
  return {std::wstring(text.substr(0, blank)), std::wstring(text.substr(blank + 1))};
}

std::wstring Trim(std::wstring_view text) {
  const auto first = text.find_first_not_of(L" \t");
  if (first == std::wstring_view::npos) return L"";
  const auto last = text.find_last_not_of(L" \t");
  return std::wstring(text.substr(first, last - first + 1));
}

bool ParseInt(std::wstring_view text, long long& value) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == L'-';
  if (negative) i = 1;
  if (i == text.size() || text.size() - i > 12) return false;
  long long v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < L'0' || text[i] > L'9') return false;
    v = v * 10 + (text[i] - L'0');
  }
  value = negative ? -v : v;
  return true;
}

}  // namespace roomsim
