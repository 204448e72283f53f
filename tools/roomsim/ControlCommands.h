// The control channel's commands, one per line, words separated by one blank, as tests and
// demos append them to the control file. Parsing only; the room carries them out. Portable.
#pragma once

#include <optional>
#include <string>

namespace roomsim {

enum class ControlVerb {
  Join,        // join NICK [fr|en] [notime]
  Leave,       // leave NICK
  Say,         // say NICK TEXT...
  Line,        // line TEXT...
  Type,        // type TEXT...
  Pick,        // pick NICK
  MicFree,     // mic free
  MicOther,    // mic other
  BotLevel,    // bot level NICK N
  BotSilent,   // bot silent on|off
  BotWrong,    // bot wrong on|off
  BotGarbage,  // bot garbage on|off
  BotTwice,    // bot twice on|off
  BotDelay,    // bot delay MS
  Traffic,     // traffic RATE
  Hang,        // hang MS: the room's thread takes no message for MS milliseconds
  Replace,     // replace chat|input|buttons: new controls in place of the old ones
  Trim,        // trim N: the oldest N chat lines go, as a bounded history drops them
  History,     // history N: N old lines at once, as a client that has been open for long
  Append,      // append TEXT...: text at the end of the chat, no line end after it
  Amend,       // amend TEXT...: the last complete chat line becomes TEXT
  LieLength,   // lie length N|off: the chat tells other programs its length is N
  Slow,        // slow MS|off: MS ms over each text set in the input box and each send click
  Close,       // close
  Quit,        // quit
};

struct ControlCommand {
  ControlVerb verb = ControlVerb::Quit;
  std::wstring nick;
  std::wstring text;
  bool french = false;   // join: the French join line
  bool withTime = true;  // join: "(hh:mm) " before the join line
  bool on = false;       // the bot's on|off settings; lie length: N given (not off)
  long long number = 0;  // bot level, bot delay, traffic, hang, trim, history, lie, slow
};

// Faults of the client's own controls, as the last `lie length` and `slow` commands left them;
// the window hooks (win32/) carry them out on the messages other programs send.
struct ClientFaults {
  std::optional<long long> toldLength;  // the chat's length, as it answers; none: the truth
  int slowMs = 0;  // taken over each WM_SETTEXT to the input box and button-up of the send button
};

struct ParsedControl {
  bool ok = false;
  ControlCommand command;
  std::wstring error;  // why the line was refused
};

ParsedControl ParseControlCommand(const std::wstring& line);

}  // namespace roomsim
