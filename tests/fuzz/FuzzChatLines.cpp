// The chat line rules on any text: the last complete line and the first line holding a text,
// against a split from the start; the nicknames of message and join lines and the room bot's
// answer, on every line of the text and on lines built from its parts (cut at U+0001), whose
// reading is known.
#include "FuzzInput.h"
#include "room/ChatReader.h"
#include "room/HandshakeValues.h"
#include "room/TextOps.h"

using namespace vl;
using fuzz::Without;

namespace {

// Every element of a split at CR LF from the start, the remainder last.
std::vector<std::wstring_view> Split(std::wstring_view text) {
  std::vector<std::wstring_view> lines;
  for (size_t at; (at = text.find(L"\r\n")) != std::wstring_view::npos; text.remove_prefix(at + 2))
    lines.push_back(text.substr(0, at));
  lines.push_back(text);
  return lines;
}

bool Same(std::optional<std::wstring_view> a, std::optional<std::wstring_view> b) {
  return a.has_value() == b.has_value() &&
         (!a || (a->data() == b->data() && a->size() == b->size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring text = fuzz::WideOf(data, size);
  const auto lines = Split(text);
  const auto p = fuzz::Parts(text, 6);
  std::optional<std::wstring_view> last, first;
  if (lines.size() > 1) last = lines[lines.size() - 2];
  FUZZ_CHECK(Same(LastChatLine(text), last));
  // What is looked for holds no line break, as the identification line.
  const std::wstring what = Without(p[0], L"\r\n");
  for (size_t i = 0; i + 1 < lines.size() && !what.empty() && !first; ++i)
    if (Contains(lines[i], what)) first = lines[i];
  if (!what.empty()) FUZZ_CHECK(Same(FirstLineContaining(text, what), first));

  for (std::wstring_view line : lines) {
    const auto nick = MessageLineNick(line);
    if (nick) FUZZ_CHECK(!Contains(*nick, L":") && TrimBlanks(*nick) == *nick);
    if (nick) FUZZ_CHECK(fuzz::IsSubsequence(*nick, line));
    const bool parens = Contains(line, L"(") || Contains(line, L")");
    if (!parens) FUZZ_CHECK(nick.has_value() == Contains(line, L":"));
    const std::wstring joiner = JoinLineNick(line);
    FUZZ_CHECK(TrimBlanks(joiner) == joiner && (IsJoinLine(line) || joiner.empty()));
    FUZZ_CHECK(TrimBlanks(line).ends_with(joiner));
    if (const auto level = AnswerLevel(line, p[1])) {
      const std::wstring answer = L"%" + p[1].substr(0, 4) + static_cast<wchar_t>(L'0' + *level);
      FUZZ_CHECK(line.substr(line.find(L'%'), 6) == answer);
    }
  }

  // (stamp) nick: message, and the same without a stamp; join lines of either marker, both.
  const std::wstring stamp = Without(p[2], L"()");
  const std::wstring nick(TrimBlanks(Without(p[3], L":()")));
  FUZZ_CHECK(MessageLineNick(L"(" + stamp + L") " + nick + L":" + p[4]) == nick);
  FUZZ_CHECK(MessageLineNick(L" " + nick + L" :" + Without(p[4], L"()")) == nick);
  const std::wstring before = Without(p[2], L":"), after = Without(p[3], L":");
  const std::wstring both = before + kJoinMarkerFrench + after;
  // The nickname is what follows the deciding marker, later markers and all.
  FUZZ_CHECK(JoinLineNick(before + kJoinMarkerEnglish + after) == TrimBlanks(after));
  FUZZ_CHECK(JoinLineNick(both) == TrimBlanks(after));
  FUZZ_CHECK(JoinLineNick(both + kJoinMarkerEnglish + after) == TrimBlanks(after));
  FUZZ_CHECK(JoinLineNick(before + kJoinMarkerEnglish + both) == TrimBlanks(both));

  // The answer after the first "%": its level, and nothing when one character differs.
  if (p[1].size() < 4) return 0;
  const std::wstring head = Without(p[2], L"%") + L"%", digit(1, L'0' + size % 10);
  std::wstring wrong = p[1].substr(0, 4);
  wrong[size % 4] ^= 0x20;  // another character: for a letter, its other case
  FUZZ_CHECK(AnswerLevel(head + p[1].substr(0, 4) + digit + p[4], p[1]) == int(size % 10));
  FUZZ_CHECK(!AnswerLevel(head + wrong + digit + p[4], p[1]));
  return 0;
}
