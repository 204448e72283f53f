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

std::wstring JoinLineNick(std::wstring_view line) {
  std::wstring nick;
  if (Contains(line, kJoinMarkerFrench)) {
    nick = TrimBlanks(RemoveAll(line, kJoinMarkerFrench));
  }
  if (Contains(line, kJoinMarkerEnglish)) {
    nick = TrimBlanks(RemoveAll(line, kJoinMarkerEnglish));
  }
  return nick;
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
