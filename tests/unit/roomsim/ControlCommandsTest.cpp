// The control channel's command parser: every field of each command, and refusals.
#include "roomsim/ControlCommands.h"

#include <gtest/gtest.h>

#include <tuple>

namespace roomsim {
namespace {

// verb, nick, text, french, withTime, on, number
using Fields = std::tuple<ControlVerb, std::wstring, std::wstring, bool, bool, bool, long long>;

Fields Parsed(const std::wstring& line) {
  const ParsedControl p = ParseControlCommand(line);
  EXPECT_TRUE(p.ok) << line;
  const ControlCommand& c = p.command;
  return {c.verb, c.nick, c.text, c.french, c.withTime, c.on, c.number};
}

// What the room tests do not already drive through the room.
TEST(ControlCommands, ParsesEveryFieldOfEachCommand) {
  using V = ControlVerb;
  const std::pair<const wchar_t*, Fields> cases[] = {
      {L"join Bob notime en", {V::Join, L"Bob", L"", false, false, false, 0}},
      // Text commands keep the rest of the line as typed, blanks included.
      {L"say Bob  deux  blancs ", {V::Say, L"Bob", L" deux  blancs ", false, true, false, 0}},
      {L"type /msg RoomBot x", {V::Type, L"", L"/msg RoomBot x", false, true, false, 0}},
      {L"bot level Chef 2", {V::BotLevel, L"Chef", L"", false, true, false, 2}},
      {L"bot silent on", {V::BotSilent, L"", L"", false, true, true, 0}},
      {L"bot wrong off", {V::BotWrong, L"", L"", false, true, false, 0}},
      {L"traffic 50", {V::Traffic, L"", L"", false, true, false, 50}},
      {L"quit", {V::Quit, L"", L"", false, true, false, 0}},
  };
  for (const auto& [line, expected] : cases)
    EXPECT_EQ(Parsed(line), expected) << line;
}

TEST(ControlCommands, RefusesMalformedLinesWithAReason) {
  for (const wchar_t* line :
       {L"", L"danse", L"JOIN Alice", L"join", L"join Alice de", L"join  Alice", L"leave A B",
        L"say", L"mic taken", L"bot level Chef", L"bot level Chef 10", L"bot level Chef -1",
        L"bot level Chef 1x", L"bot silent yes", L"bot delay 99999999999999999999", L"bot volume 3",
        L"traffic 51", L"close now", L"pick"}) {
    const ParsedControl p = ParseControlCommand(line);
    EXPECT_FALSE(p.ok) << line;
    EXPECT_FALSE(p.error.empty());
  }
}

}  // namespace
}  // namespace roomsim
