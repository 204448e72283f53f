// The control channel's command parser: each command's words, and refusals.
#include "roomsim/ControlCommands.h"

#include <gtest/gtest.h>

namespace roomsim {
namespace {

ControlCommand Parse(const std::wstring& line) {
  const ParsedControl p = ParseControlCommand(line);
  EXPECT_TRUE(p.ok) << "refused: " << p.error.size();
  return p.command;
}

TEST(ControlCommands, JoinTakesLanguageAndTimeWords) {
  ControlCommand c = Parse(L"join Alice");
  EXPECT_EQ(c.verb, ControlVerb::Join);
  EXPECT_EQ(c.nick, L"Alice");
  EXPECT_FALSE(c.french);
  EXPECT_TRUE(c.withTime);
  c = Parse(L"join Zoé fr notime");
  EXPECT_EQ(c.nick, L"Zoé");
  EXPECT_TRUE(c.french);
  EXPECT_FALSE(c.withTime);
  EXPECT_FALSE(Parse(L"join Bob notime en").french);
}

TEST(ControlCommands, TextCommandsKeepTheRestOfTheLineAsTyped) {
  ControlCommand c = Parse(L"say Bob  deux  blancs ");
  EXPECT_EQ(c.verb, ControlVerb::Say);
  EXPECT_EQ(c.nick, L"Bob");
  EXPECT_EQ(c.text, L" deux  blancs ");
  EXPECT_EQ(Parse(L"line (12:00) Join: X").text, L"(12:00) Join: X");
  EXPECT_EQ(Parse(L"type /msg RoomBot Alice, kick").text, L"/msg RoomBot Alice, kick");
  EXPECT_EQ(Parse(L"type").text, L"");
}

TEST(ControlCommands, SettingsAndNumbers) {
  EXPECT_EQ(Parse(L"mic free").verb, ControlVerb::MicFree);
  EXPECT_EQ(Parse(L"mic other").verb, ControlVerb::MicOther);
  ControlCommand c = Parse(L"bot level Chef 2");
  EXPECT_EQ(c.verb, ControlVerb::BotLevel);
  EXPECT_EQ(c.nick, L"Chef");
  EXPECT_EQ(c.number, 2);
  EXPECT_TRUE(Parse(L"bot silent on").on);
  EXPECT_FALSE(Parse(L"bot wrong off").on);
  EXPECT_EQ(Parse(L"bot delay 1500").number, 1500);
  EXPECT_EQ(Parse(L"traffic 0").number, 0);
  EXPECT_EQ(Parse(L"close").verb, ControlVerb::Close);
  EXPECT_EQ(Parse(L"quit").verb, ControlVerb::Quit);
  EXPECT_EQ(Parse(L"pick Alice").nick, L"Alice");
}

TEST(ControlCommands, RefusesMalformedLines) {
  for (const wchar_t* line : {L"",
                              L"danse",
                              L"JOIN Alice",
                              L"join",
                              L"join Alice de",
                              L"join  Alice",
                              L"leave",
                              L"leave A B",
                              L"say",
                              L"mic",
                              L"mic taken",
                              L"bot",
                              L"bot level Chef",
                              L"bot level Chef 10",
                              L"bot level Chef -1",
                              L"bot level Chef 1x",
                              L"bot silent yes",
                              L"bot delay",
                              L"bot delay -5",
                              L"bot volume 3",
                              L"traffic",
                              L"traffic fast",
                              L"traffic 51",
                              L"close now",
                              L"quit 1",
                              L"pick"}) {
    const ParsedControl p = ParseControlCommand(line);
    EXPECT_FALSE(p.ok) << std::wstring(line).size();
    EXPECT_FALSE(p.error.empty());
  }
}

}  // namespace
}  // namespace roomsim
