// Parser of the control channel's command lines.
#include "ControlCommands.h"

#include <vector>

#include "Text.h"

namespace roomsim {
namespace {

std::vector<std::wstring> Words(const std::wstring& text) {
  std::vector<std::wstring> words;
  std::wstring rest = text;
  while (!rest.empty()) {
    auto [word, tail] = SplitFirstWord(rest);
    words.push_back(word);
    rest = tail;
  }
  return words;
}

ControlCommand Cmd(ControlVerb verb) {
  ControlCommand c;
  c.verb = verb;
  return c;
}

ParsedControl Fail(std::wstring why) {
  ParsedControl p;
  p.error = std::move(why);
  return p;
}

ParsedControl Ok(ControlCommand c) {
  ParsedControl p;
  p.ok = true;
  p.command = std::move(c);
  return p;
}

ParsedControl ParseJoin(const std::wstring& args) {
  const auto w = Words(args);
  if (w.empty() || w[0].empty()) return Fail(L"join wants a nickname");
  ControlCommand c = Cmd(ControlVerb::Join);
  c.nick = w[0];
  for (std::size_t i = 1; i < w.size(); ++i) {
    if (w[i] == L"fr") {
      c.french = true;
    } else if (w[i] == L"en") {
      c.french = false;
    } else if (w[i] == L"notime") {
      c.withTime = false;
    } else {
      return Fail(L"join: unknown word " + w[i]);
    }
  }
  return Ok(c);
}

ParsedControl ParseOnOff(ControlVerb verb, const std::wstring& arg) {
  if (arg != L"on" && arg != L"off") return Fail(L"wants on or off");
  ControlCommand c = Cmd(verb);
  c.on = arg == L"on";
  return Ok(c);
}

ParsedControl ParseNumber(ControlVerb verb, const std::wstring& arg, long long max) {
  ControlCommand c = Cmd(verb);
  if (!ParseInt(arg, c.number) || c.number < 0 || c.number > max) {
    return Fail(L"wants a number from 0 to " + std::to_wstring(max));
  }
  return Ok(c);
}

ParsedControl ParseBot(const std::wstring& args) {
  auto [what, rest] = SplitFirstWord(args);
  if (what == L"silent") return ParseOnOff(ControlVerb::BotSilent, rest);
  if (what == L"wrong") return ParseOnOff(ControlVerb::BotWrong, rest);
  if (what == L"garbage") return ParseOnOff(ControlVerb::BotGarbage, rest);
  if (what == L"twice") return ParseOnOff(ControlVerb::BotTwice, rest);
  if (what == L"delay") return ParseNumber(ControlVerb::BotDelay, rest, 600000);
  if (what != L"level") return Fail(L"bot: unknown setting " + what);
  const auto w = Words(rest);
  if (w.size() != 2 || w[0].empty()) return Fail(L"bot level wants NICK N");
  auto parsed = ParseNumber(ControlVerb::BotLevel, w[1], 9);
  parsed.command.nick = w[0];
  return parsed;
}

// Commands whose single argument is a nickname or the rest of the line.
ParsedControl ParseWithText(ControlVerb verb, const std::wstring& args, bool nick) {
  ControlCommand c = Cmd(verb);
  if (nick) {
    const auto w = Words(args);
    if (w.size() != 1 || w[0].empty()) return Fail(L"wants one nickname");
    c.nick = w[0];
  } else {
    c.text = args;
  }
  return Ok(c);
}

}  // namespace

ParsedControl ParseControlCommand(const std::wstring& line) {
  auto [verb, args] = SplitFirstWord(line);
  if (verb == L"join") return ParseJoin(args);
  if (verb == L"leave") return ParseWithText(ControlVerb::Leave, args, true);
  if (verb == L"pick") return ParseWithText(ControlVerb::Pick, args, true);
  if (verb == L"line") return ParseWithText(ControlVerb::Line, args, false);
  if (verb == L"history") return ParseNumber(ControlVerb::History, args, 1000000);
  if (verb == L"append") return ParseWithText(ControlVerb::Append, args, false);
  if (verb == L"amend") return ParseWithText(ControlVerb::Amend, args, false);
  if (verb == L"type") return ParseWithText(ControlVerb::Type, args, false);
  if (verb == L"say") {
    auto [nick, text] = SplitFirstWord(args);
    if (nick.empty()) return Fail(L"say wants NICK TEXT");
    ControlCommand c = Cmd(ControlVerb::Say);
    c.nick = nick;
    c.text = text;
    return Ok(c);
  }
  if (verb == L"mic") {
    if (args == L"free") return Ok(Cmd(ControlVerb::MicFree));
    if (args == L"other") return Ok(Cmd(ControlVerb::MicOther));
    return Fail(L"mic wants free or other");
  }
  if (verb == L"bot") return ParseBot(args);
  if (verb == L"traffic") return ParseNumber(ControlVerb::Traffic, args, 50);
  if (verb == L"hang") return ParseNumber(ControlVerb::Hang, args, 600000);
  if (verb == L"trim") return ParseNumber(ControlVerb::Trim, args, 1000000);
  if (verb == L"slow") {
    return args == L"off" ? Ok(Cmd(ControlVerb::Slow))
                          : ParseNumber(ControlVerb::Slow, args, 10000);
  }
  if (verb == L"lie") {
    auto [what, value] = SplitFirstWord(args);
    if (what != L"length") return Fail(L"lie wants length N or length off");
    if (value == L"off") return Ok(Cmd(ControlVerb::LieLength));
    auto parsed = ParseNumber(ControlVerb::LieLength, value, 0x7FFFFFFF);
    parsed.command.on = parsed.ok;
    return parsed;
  }
  if (verb == L"replace") {
    if (args != L"chat" && args != L"input" && args != L"buttons") {
      return Fail(L"replace wants chat, input or buttons");
    }
    return ParseWithText(ControlVerb::Replace, args, false);
  }
  if (args.empty() && verb == L"close") return Ok(Cmd(ControlVerb::Close));
  if (args.empty() && verb == L"quit") return Ok(Cmd(ControlVerb::Quit));
  return Fail(L"unknown command: " + line);
}

}  // namespace roomsim
