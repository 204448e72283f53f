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

struct WindowContext {
  Platform& platform;
  Settings& settings;
  Records& records;
  Navigation& nav;

  // One line into the attached room.
  void SendToRoom(const std::wstring& line) const {
    records.sentLines.Add(line);
    ChatSender(platform.foreign(), platform.clock(), records.room, line);
  }
};

}  // namespace vl
