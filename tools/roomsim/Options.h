// The simulator's command line: the room's names, the moderator's and the bot's nicknames,
// the number of client buttons, and the optional control file and event log. Portable.
#pragma once

#include <string>
#include <vector>

namespace roomsim {

struct Options {
  std::wstring site = L"Salons Verdelune";
  std::wstring room = L"Salle de test";
  std::wstring ownNick = L"Modo";
  std::wstring botNick = L"RoomBot";
  int buttons = 9;
  std::wstring controlPath;  // empty: no control channel
  std::wstring logPath;      // empty: no event log
  unsigned seed = 1;         // the traffic generator's choices
  // In the room from the start (--users A,B,C; --users "" for an empty room).
  std::vector<std::wstring> users = {L"Alice", L"Bob", L"Zoé", L"Marc"};
  bool help = false;
};

struct ParsedOptions {
  Options options;
  std::wstring error;  // empty when the command line was valid
};

// Parses the arguments after the program name ("--site", "Salons, etc." ...).
ParsedOptions ParseOptions(const std::vector<std::wstring>& args);

// The usage text shown for --help and after an error.
std::wstring UsageText();

}  // namespace roomsim
