#include "room/TextOps.h"

namespace vl {

std::wstring ReplaceAll(std::wstring_view text, std::wstring_view what, std::wstring_view with) {
  if (what.empty()) return std::wstring(text);
  std::wstring out;
  out.reserve(text.size());
  size_t from = 0;
  for (size_t at = text.find(what); at != std::wstring_view::npos; at = text.find(what, from)) {
    out.append(text.substr(from, at - from));
    out.append(with);
    from = at + what.size();
  }
  out.append(text.substr(from));
  return out;
}

std::wstring_view TrimBlanks(std::wstring_view text) {
  while (!text.empty() && text.front() == L' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == L' ')
    text.remove_suffix(1);
  return text;
}

}  // namespace vl
