// What every window of the program receives: the platform, the settings, the program-wide
// records, the way to the other windows and the moderation journal.
#pragma once

#include <string>

#include "core/Navigation.h"
#include "core/Records.h"
#include "journal/Journal.h"
#include "platform/Platform.h"
#include "room/ChatSender.h"
#include "room/Command.h"
#include "settings/Settings.h"

namespace vl {

extern const std::wstring kClientRefusesNotice;

struct WindowContext {
  Platform& platform;
  Settings& settings;
  Records& records;
  Navigation& nav;
  Journal& journal;

  // One line into the attached room. A client that refuses the program's messages is named
  // to the moderator, once a run.
  SentLine SendToRoom(const std::wstring& line) const;
  // The one way a moderation command leaves the program: its line, built from the command,
  // sent into the room, and the command then written to the journal with what became of it.
  SentLine SendCommand(const Command& command) const;
};

}  // namespace vl
