// Reading the chat: the last complete line found from the end must be the one a split of the
// whole text gives, and the nicknames come out of the lines by their exact rules.
#include "room/ChatReader.h"
#include "room/HandshakeValues.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace vl {
namespace {

// The reference: split the whole text at every CR LF; the last line is the element before
// the remainder.
std::optional<std::wstring> LastLineBySplit(const std::wstring& text) {
  std::vector<std::wstring> pieces;
  size_t from = 0;
  for (size_t at = text.find(L"\r\n"); at != std::wstring::npos; at = text.find(L"\r\n", from)) {
    pieces.push_back(text.substr(from, at - from));
    from = at + 2;
  }
  pieces.push_back(text.substr(from));
  if (pieces.size() < 2) return std::nullopt;
  return pieces[pieces.size() - 2];
}

TEST(ChatReader, ScanningBackAgreesWithTheSplitOnAwkwardTexts) {
  std::mt19937 random(7);
  const wchar_t alphabet[] = {L'\r', L'\n', L'a', L'%', L' '};
  for (int round = 0; round < 20000; ++round) {
    std::wstring text(random() % 12, L'a');
    for (wchar_t& c : text)
      c = alphabet[random() % 5];
    auto expected = LastLineBySplit(text);
    auto actual = LastChatLine(text);
    ASSERT_EQ(actual.has_value(), expected.has_value()) << round;
    if (expected) {
      ASSERT_EQ(std::wstring(*actual), *expected) << round;
    }
  }
}

TEST(ChatReader, FirstLineContainingSkipsTheRemainder) {
  const std::wstring chat = L"x\r\n(1) A: id\r\n(2) B: id\r\nid";
  EXPECT_EQ(FirstLineContaining(chat, L"id"), L"(1) A: id");
  EXPECT_FALSE(FirstLineContaining(L"a\r\nid", L"id"));
  EXPECT_EQ(FirstLineContaining(L"id\r\n", L"id"), L"id");
}

TEST(ChatReader, MessageLineNicknames) {
  EXPECT_EQ(MessageLineNick(L"(12:03) Marie: bonjour"), L"Marie");
  EXPECT_EQ(MessageLineNick(L" Marie : salut"), L"Marie");
  EXPECT_EQ(MessageLineNick(L"Paul: 10:30 ce soir"), L"Paul");
  // The cut is removed everywhere, the ":" inside the parentheses does not count.
  EXPECT_EQ(MessageLineNick(L"(a:b)xJean(a:b)x: yo"), L"Jean");
  EXPECT_FALSE(MessageLineNick(L"(12:03) sans deux-points"));
  EXPECT_FALSE(MessageLineNick(L"aucun"));
  EXPECT_FALSE(MessageLineNick(L"a) b (c: d"));
}

TEST(ChatReader, JoinLines) {
  EXPECT_EQ(JoinLineNick(L"Join: Paul"), L"Paul");
  EXPECT_EQ(JoinLineNick(L"Rejoint la salle : Paul"), L"Paul");
  EXPECT_EQ(JoinLineNick(L"Rejoint la salle :Paul"), L"Paul");
  EXPECT_EQ(JoinLineNick(L"12:01 Join: Alice"), L"12:01 Alice");
  EXPECT_EQ(JoinLineNick(L"join: Paul"), L"");
  EXPECT_FALSE(IsJoinLine(L"join: Paul"));
  EXPECT_TRUE(IsJoinLine(L"x Rejoint la salle :y"));
  // Both markers: the English one decides, the French one stays in the nickname.
  EXPECT_EQ(JoinLineNick(L"Rejoint la salle : Join: Zoé"), L"Rejoint la salle : Zoé");
  EXPECT_EQ(JoinLineNick(L"Join: \tTab"), L"\tTab") << "only blanks are trimmed";
}

TEST(ChatReader, AnswerLevelNeedsFourExactCharactersAndADigit) {
  EXPECT_EQ(AnswerLevel(L"RoomBot: ok %AB121", L"AB12FF"), 1);
  EXPECT_EQ(AnswerLevel(L"%AB129 et %AB120", L"AB12"), 9) << "the first % counts";
  EXPECT_FALSE(AnswerLevel(L"%ab121", L"AB12"));
  EXPECT_FALSE(AnswerLevel(L"%AB12x", L"AB12"));
  EXPECT_FALSE(AnswerLevel(L"%AB12", L"AB12"));
  EXPECT_FALSE(AnswerLevel(L"%AB131", L"AB12"));
  EXPECT_FALSE(AnswerLevel(L"AB121", L"AB12"));
  EXPECT_FALSE(AnswerLevel(L"%1", L""));
}

}  // namespace
}  // namespace vl
