// What every window of the program receives: the platform, the settings, the program-wide
// records and the way to the other windows.
#pragma once

#include <string>

#include "core/Navigation.h"
#include "core/Records.h"
#include "platform/Platform.h"
#include "room/ChatSender.h"
#include "settings/Settings.h"

namespace vl {

extern const std::wstring kClientRefusesNotice;

struct WindowContext {
  Platform& platform;
  Settings& settings;
  Records& records;
  Navigation& nav;

  // One line into the attached room. A client that refuses the program's messages is named
  // to the moderator, once a run.
  SentLine SendToRoom(const std::wstring& line) const;
};

}  // namespace vl
