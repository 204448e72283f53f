// The nicknames and the answer come out of the lines by their exact rules. The last complete
// line and the first line holding a text are the chat-line fuzzer's: against a split of the
// whole text, on any text.
#include "room/ChatReader.h"
#include "room/HandshakeValues.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

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

TEST(ChatReader, JoinLinesNameWhatFollowsTheirMarker) {
  EXPECT_EQ(JoinLineNick(L"Join: Paul"), L"Paul");
  EXPECT_EQ(JoinLineNick(L"Rejoint la salle : Paul"), L"Paul");
  EXPECT_EQ(JoinLineNick(L"Rejoint la salle :Paul "), L"Paul");
  EXPECT_EQ(JoinLineNick(L"(02:32) Rejoint la salle : Visiteur3"), L"Visiteur3");
  EXPECT_EQ(JoinLineNick(L"Bob: Join: "), L"");
  EXPECT_EQ(JoinLineNick(L"join: Paul"), L"");
  EXPECT_FALSE(IsJoinLine(L"join: Paul"));
  EXPECT_TRUE(IsJoinLine(L"x Rejoint la salle :y"));
  // The English marker decides; a marker after the deciding one belongs to the nickname.
  EXPECT_EQ(JoinLineNick(L"Rejoint la salle : Join: Zoé"), L"Zoé");
  EXPECT_EQ(JoinLineNick(L"Join: Rejoint la salle : Zoé"), L"Rejoint la salle : Zoé");
  EXPECT_EQ(JoinLineNick(L"(12:00) Join: Join: hi"), L"Join: hi");
  EXPECT_EQ(JoinLineNick(L"JoJoin: in: hi"), L"in: hi") << "no marker made up by a cut";
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
