// The kit's commands: answer, challenge-hex, encrypt, decrypt, and the help text.
#include "kit/Kit.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>

#include "crypto/BotAnswer.h"
#include "crypto/SharedKey.h"
#include "crypto/Utf8.h"
#include "crypto/Windows1252.h"
#include "crypto/modCryptText.h"
#include "kit/KitArgs.h"

namespace vl::kit {

namespace {

constexpr std::string_view kUsage =
    "Usage: verdelune-kit COMMAND ARGUMENTS\n"
    "\n"
    "Commands:\n"
    "  answer CHALLENGE LEVEL\n"
    "      The line the room bot posts to answer an identification line: \"%\", the first\n"
    "      four hex digits of the challenge encrypted under the shared key, then LEVEL.\n"
    "      CHALLENGE is the 5 digits after \"Verdelune\"; LEVEL is one digit: 0 or 1 full\n"
    "      rights, 2 no ban commands, 3 to 9 refused.\n"
    "  challenge-hex CHALLENGE [--key TEXT]\n"
    "      The whole hex cipher text of the challenge (64 digits).\n"
    "  encrypt TEXT [--key TEXT]\n"
    "      The hex cipher text of any text (Windows-1252 characters only).\n"
    "  decrypt HEX [--key TEXT]\n"
    "      The plain text of a hex cipher text (whole 32-byte blocks, 64 digits each).\n"
    "\n"
    "Without --key the key shared with Verdelune is used. \"--\" ends the options.\n"
    "Exit status: 0 on success, 1 on bad input (the reason goes to standard error).\n";

// What a command gives back: its output line, or the reason it refused.
struct Outcome {
  std::wstring line;
  std::wstring error;
};

Outcome Fail(std::wstring reason) {
  return {L"", std::move(reason)};
}

bool IsAsciiDigits(std::wstring_view s, std::size_t count) {
  return s.size() == count &&
         std::all_of(s.begin(), s.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

bool FitsWindows1252(std::wstring_view text) {
  return FromWindows1252(ToWindows1252(text)) == text;
}

std::wstring KeyOf(const KitArgs& args) {
  return args.key ? *args.key : CipherKeyText();
}

Outcome CheckChallenge(std::wstring_view challenge) {
  if (IsAsciiDigits(challenge, 5)) return {};
  return Fail(L"the challenge must be 5 digits, not \"" + std::wstring(challenge) + L"\"");
}

Outcome CheckKey(const KitArgs& args) {
  if (FitsWindows1252(KeyOf(args))) return {};
  return Fail(L"the key has characters that Windows-1252 cannot hold");
}

Outcome Answer(const KitArgs& args) {
  const std::wstring& challenge = args.positional[0];
  const std::wstring& level = args.positional[1];
  if (auto bad = CheckChallenge(challenge); !bad.error.empty()) return bad;
  if (!IsAsciiDigits(level, 1)) {
    return Fail(L"the level must be one digit from 0 to 9, not \"" + level + L"\"");
  }
  return {BotAnswerText(challenge, level[0] - L'0'), L""};
}

Outcome ChallengeHex(const KitArgs& args) {
  if (auto bad = CheckChallenge(args.positional[0]); !bad.error.empty()) return bad;
  return {ChallengeHexFor(args.positional[0], KeyOf(args)), L""};
}

Outcome Encrypt(const KitArgs& args) {
  const std::wstring& text = args.positional[0];
  if (text.empty()) return Fail(L"there is no text to encrypt");
  if (!FitsWindows1252(text)) return Fail(L"the text has characters that Windows-1252 cannot hold");
  return {TextToHex(EncryptText(text, KeyOf(args))), L""};
}

Outcome Decrypt(const KitArgs& args) {
  const std::wstring& hex = args.positional[0];
  const bool digitsOnly = std::all_of(hex.begin(), hex.end(), [](wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F') || (c >= L'a' && c <= L'f');
  });
  if (!digitsOnly) return Fail(L"the hex text may hold only the digits 0-9 and A-F");
  if (hex.empty() || hex.size() % 64 != 0) {
    return Fail(L"the hex text must be whole 32-byte blocks (a multiple of 64 digits), not " +
                std::to_wstring(hex.size()) + L" digits");
  }
  std::wstring plain = DecryptText(HexToText(hex), KeyOf(args));
  if (plain.empty()) return Fail(L"the hex text does not decrypt under this key");
  return {std::move(plain), L""};
}

struct Command {
  std::wstring_view name;
  std::size_t arguments;
  bool takesKey;
  std::function<Outcome(const KitArgs&)> run;
};

const std::array<Command, 4>& Commands() {
  static const std::array<Command, 4> commands = {{
      {L"answer", 2, false, Answer},
      {L"challenge-hex", 1, true, ChallengeHex},
      {L"encrypt", 1, true, Encrypt},
      {L"decrypt", 1, true, Decrypt},
  }};
  return commands;
}

Outcome RunCommand(const Command& command, const std::vector<std::wstring>& argv) {
  const KitArgs args = ParseKitArgs(argv, 1);
  const std::wstring name(command.name);
  if (!args.error.empty()) return Fail(args.error);
  if (args.key && !command.takesKey) return Fail(name + L" takes no --key");
  if (args.positional.size() < command.arguments) return Fail(name + L": missing argument");
  if (args.positional.size() > command.arguments) return Fail(name + L": too many arguments");
  if (auto bad = CheckKey(args); !bad.error.empty()) return bad;
  return command.run(args);
}

int Report(const Outcome& outcome, std::ostream& out, std::ostream& err) {
  if (!outcome.error.empty()) {
    err << "verdelune-kit: " << ToUtf8(outcome.error) << "\n"
        << "Try 'verdelune-kit --help'.\n";
    return 1;
  }
  out << ToUtf8(outcome.line) << "\n";
  return 0;
}

}  // namespace

int RunKit(const std::vector<std::wstring>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return Report(Fail(L"no command given"), out, err);
  if (args[0] == L"--help" || args[0] == L"-h" || args[0] == L"help") {
    out << kUsage;
    return 0;
  }
  for (const Command& command : Commands()) {
    if (args[0] == command.name) return Report(RunCommand(command, args), out, err);
  }
  return Report(Fail(L"unknown command \"" + args[0] + L"\""), out, err);
}

}  // namespace vl::kit
