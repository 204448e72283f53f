// The top window's menu, so that the simulator can be used by hand without a control file:
// make a user join, someone else takes or frees the microphone, the moderator's level for
// the bot, a silent or wrong bot, traffic on and off.
#pragma once

#include <windows.h>

#include "roomsim/Room.h"

namespace roomsim::win32 {

HMENU CreateManualMenu();

// Carries out a menu command of the top window `top`; other ids are ignored.
void HandleManualMenu(HWND top, int id, Room& room);

}  // namespace roomsim::win32
