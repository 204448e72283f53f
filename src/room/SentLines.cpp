#include "room/SentLines.h"

#include "room/ChatReader.h"
#include "room/TextOps.h"

namespace vl {

void SentLines::Add(std::wstring_view line) {
  lines_.emplace_back(line);
  if (lines_.size() > kKept) lines_.pop_front();
}

bool SentLines::IsEcho(std::wstring_view chatLine) const {
  for (const std::wstring& sent : lines_) {
    if (!chatLine.ends_with(sent)) continue;
    const std::wstring_view head = chatLine.substr(0, chatLine.size() - sent.size());
    if (!head.ends_with(L": ") || IsJoinLine(head)) continue;
    std::wstring_view sender = head.substr(0, head.size() - 2);
    if (sender.starts_with(L'(')) {
      const size_t close = sender.find(L") ");
      if (close != std::wstring_view::npos) sender.remove_prefix(close + 2);
    }
    sender = TrimBlanks(sender);
    if (!sender.empty() && !Contains(sender, L":")) return true;
  }
  return false;
}

}  // namespace vl
