// Command-line parsing of the room simulator.
#include "Options.h"

#include <algorithm>

#include "Text.h"

namespace roomsim {
namespace {

constexpr int kMaxButtons = 40;

// Stores one option's value; false with an error text when it is not acceptable.
bool Apply(Options& o, const std::wstring& name, const std::wstring& value, std::wstring& error) {
  long long n = 0;
  if (name == L"--site") {
    o.site = value;
  } else if (name == L"--room") {
    o.room = value;
  } else if (name == L"--own-nick") {
    o.ownNick = value;
  } else if (name == L"--bot-nick") {
    o.botNick = value;
  } else if (name == L"--control") {
    o.controlPath = value;
  } else if (name == L"--log") {
    o.logPath = value;
  } else if (name == L"--buttons") {
    if (!ParseInt(value, n) || n < 1 || n > kMaxButtons) {
      error = L"--buttons wants a number from 1 to " + std::to_wstring(kMaxButtons);
      return false;
    }
    o.buttons = static_cast<int>(n);
  } else if (name == L"--users") {
    o.users.clear();
    for (std::size_t from = 0; from < value.size();) {
      const std::size_t comma = std::min(value.find(L',', from), value.size());
      if (comma > from) o.users.push_back(value.substr(from, comma - from));
      from = comma + 1;
    }
  } else if (name == L"--seed") {
    if (!ParseInt(value, n) || n < 0) {
      error = L"--seed wants a number";
      return false;
    }
    o.seed = static_cast<unsigned>(n);
  } else {
    error = L"unknown option " + name;
    return false;
  }
  return true;
}

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::wstring>& args) {
  ParsedOptions result;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::wstring& name = args[i];
    if (name == L"--help" || name == L"-h" || name == L"/?") {
      result.options.help = true;
      continue;
    }
    if (i + 1 >= args.size()) {
      result.error = name + L" wants a value";
      return result;
    }
    if (!Apply(result.options, name, args[++i], result.error)) return result;
  }
  if (result.options.botNick.empty() || result.options.ownNick.empty()) {
    result.error = L"the nicknames must not be empty";
  }
  return result;
}

std::wstring UsageText() {
  return L"roomsim [--site NAME] [--room NAME] [--own-nick NICK] [--bot-nick NICK]\n"
         L"        [--buttons N] [--control FILE] [--log FILE] [--seed N] [--users A,B,...]\n";
}

}  // namespace roomsim
