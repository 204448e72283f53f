// Text forms of the simulator: chat lines, the command line, UTF-8.
#include <gtest/gtest.h>

#include "roomsim/ChatLines.h"
#include "roomsim/Options.h"
#include "roomsim/Text.h"

namespace roomsim {
namespace {

TEST(ChatLines, MessageJoinAndLeaveForms) {
  EXPECT_EQ(MessageLine({9, 5}, L"Modo", L"/msg RoomBot x"), L"(09:05) Modo: /msg RoomBot x");
  EXPECT_EQ(MessageLine({23, 59}, L"A", L""), L"(23:59) A: ");
  EXPECT_EQ(JoinLine(L"Paul", JoinForm::English, false, {}), L"Join: Paul");
  EXPECT_EQ(JoinLine(L"Paul", JoinForm::French, false, {}), L"Rejoint la salle : Paul");
  EXPECT_EQ(JoinLine(L"Paul", JoinForm::French, true, {12, 3}), L"(12:03) Rejoint la salle : Paul");
  EXPECT_EQ(LeaveLine(L"Paul", {0, 0}), L"(00:00) Quitte la salle : Paul");
}

TEST(Options, DefaultsAndValues) {
  ParsedOptions p = ParseOptions({});
  EXPECT_EQ(p.error, L"");
  EXPECT_EQ(p.options.site, L"Salons Verdelune");
  EXPECT_EQ(p.options.room, L"Salle de test");
  EXPECT_EQ(p.options.ownNick, L"Modo");
  EXPECT_EQ(p.options.botNick, L"RoomBot");
  EXPECT_EQ(p.options.buttons, 9);
  p = ParseOptions({L"--site", L"Salons, Café - Nord", L"--room", L"Été", L"--buttons", L"5",
                    L"--own-nick", L"Marie", L"--bot-nick", L"Robot X", L"--control", L"c.txt",
                    L"--log", L"l.txt"});
  EXPECT_EQ(p.error, L"");
  EXPECT_EQ(p.options.site, L"Salons, Café - Nord");
  EXPECT_EQ(p.options.room, L"Été");
  EXPECT_EQ(p.options.buttons, 5);
  EXPECT_EQ(p.options.botNick, L"Robot X");
  EXPECT_EQ(p.options.controlPath, L"c.txt");
  EXPECT_EQ(p.options.logPath, L"l.txt");
}

TEST(Options, Refusals) {
  for (const std::vector<std::wstring>& args :
       std::vector<std::vector<std::wstring>>{{L"--buttons", L"0"},
                                              {L"--buttons", L"41"},
                                              {L"--buttons", L"neuf"},
                                              {L"--site"},
                                              {L"--colour", L"red"},
                                              {L"--bot-nick", L""}}) {
    EXPECT_NE(ParseOptions(args).error, L"") << args.size();
  }
  EXPECT_TRUE(ParseOptions({L"--help"}).options.help);
}

TEST(Text, Utf8BothWaysAndInvalidBytes) {
  const std::wstring text = L"été Zoé \u20AC \U0001F600";
  EXPECT_EQ(ToUtf8(text), "\xC3\xA9t\xC3\xA9 Zo\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80");
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  EXPECT_EQ(FromUtf8("a\xFF"
                     "b"),
            L"a\uFFFDb");
  EXPECT_EQ(FromUtf8("\xC3"), L"\uFFFD");          // cut short
  EXPECT_EQ(FromUtf8("\xC0\xAF"), L"\uFFFD");      // overlong
  EXPECT_EQ(FromUtf8("\xED\xA0\x80"), L"\uFFFD");  // a surrogate
}

TEST(Text, WordsAndNumbers) {
  EXPECT_EQ(SplitFirstWord(L"say Bob  hi"),
            (std::pair<std::wstring, std::wstring>{L"say", L"Bob  hi"}));
  EXPECT_EQ(SplitFirstWord(L"quit"), (std::pair<std::wstring, std::wstring>{L"quit", L""}));
  EXPECT_EQ(Trim(L"  a b \t"), L"a b");
  long long n = 0;
  EXPECT_TRUE(ParseInt(L"-42", n));
  EXPECT_EQ(n, -42);
  for (const wchar_t* bad : {L"", L"-", L"4 2", L"1e3", L"9999999999999"}) {
    EXPECT_FALSE(ParseInt(bad, n)) << bad;
  }
}

}  // namespace
}  // namespace roomsim
