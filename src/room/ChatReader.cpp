#include "room/ChatReader.h"

#include "room/TextOps.h"

namespace vl {
namespace {

const std::wstring_view kLineEnd = L"\r\n";

}  // namespace

// "\r\n" cannot overlap itself, so the CR LFs found from the end are those a split from the
// start would cut at.
std::optional<std::wstring_view> LastChatLine(std::wstring_view chatText) {
  size_t last = chatText.rfind(kLineEnd);
  if (last == std::wstring_view::npos) return std::nullopt;
  size_t before = last == 0 ? std::wstring_view::npos : chatText.rfind(kLineEnd, last - 1);
  size_t start = before == std::wstring_view::npos ? 0 : before + kLineEnd.size();
  return chatText.substr(start, last - start);
}

// ReadText asks the control for its length itself: one round trip less per tick.
std::optional<std::wstring_view> ReadChatText(ForeignWindows& windows, WindowHandle chatWindow,
                                              std::wstring& chatText) {
  windows.ReadText(chatWindow, chatText);
  return LastChatLine(chatText);
}

std::optional<std::wstring_view> FirstLineContaining(std::wstring_view chatText,
                                                     std::wstring_view what) {
  size_t at = chatText.find(what);
  if (at == std::wstring_view::npos) return std::nullopt;
  size_t end = chatText.find(kLineEnd, at);
  if (end == std::wstring_view::npos) return std::nullopt;  // in the remainder
  size_t before = at == 0 ? std::wstring_view::npos : chatText.rfind(kLineEnd, at - 1);
  size_t start = before == std::wstring_view::npos ? 0 : before + kLineEnd.size();
  return chatText.substr(start, end - start);
}

std::optional<std::wstring> MessageLineNick(std::wstring_view line) {
  std::wstring text(line);
  size_t open = text.find(L'(');
  size_t close = text.find(L')');
  if (open != std::wstring::npos && close != std::wstring::npos) {
    if (close < open) return std::nullopt;
    text = RemoveAll(text, std::wstring_view(text).substr(open, close - open + 2));
  }
  size_t colon = text.find(L':');
  if (colon == std::wstring::npos) return std::nullopt;
  return std::wstring(TrimBlanks(std::wstring_view(text).substr(0, colon)));
}

bool IsJoinLine(std::wstring_view line) {
  return Contains(line, kJoinMarkerEnglish) || Contains(line, kJoinMarkerFrench);
}

// The client writes its marker in front of the nickname, and what it puts before the marker
// (the time, "(02:32) ") is not the newcomer's. So the nickname is all that follows the first
// occurrence of the deciding marker: a later one is part of a nickname that holds a marker
// ("Join: Join: hi" is "Join: hi"; the greeting's echo then holds a marker too, and the join
// watcher knows that echo as its own), and nothing is cut out of the middle, so no marker is
// made up where none stood ("JoJoin: in: hi" is "in: hi", where removing every marker gave
// "Join: hi"). The French marker may or may not have a blank after it: blanks are trimmed.
std::wstring JoinLineNick(std::wstring_view line) {
  for (const std::wstring* marker : {&kJoinMarkerEnglish, &kJoinMarkerFrench}) {
    const size_t at = line.find(*marker);
    if (at != std::wstring_view::npos) {
      return std::wstring(TrimBlanks(line.substr(at + marker->size())));
    }
  }
  return {};
}

std::optional<std::wstring> CapturedNick(std::wstring_view t, bool markerLeft) {
  if (!t.ends_with(L", ") && !t.ends_with(L", " + kInputMarker)) return std::nullopt;
  size_t comma = t.find(L',');
  size_t blank = t.find(L' ');
  if (blank < comma) return std::nullopt;
  if (t.ends_with(kInputMarker)) {
    t.remove_suffix(kInputMarker.size());
  } else if (markerLeft && t.starts_with(kInputMarker)) {
    t.remove_prefix(kInputMarker.size());
  }
  return RemoveAll(t, L", ");
}

}  // namespace vl
