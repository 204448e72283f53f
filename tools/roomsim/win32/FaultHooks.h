// Subclasses of the room's chat and input box that carry out the client faults the control
// channel stages (`lie length`, `slow`), and the slow button-up of the send button. They act
// only on messages another program sends: the room's own reads and writes of its controls
// stay true and quick.
#pragma once

#include <windows.h>

#include "roomsim/Room.h"

namespace roomsim::win32 {

struct FaultHooks {
  Room* room = nullptr;
  bool roomCall = false;  // the room itself sets its input box, maybe inside a sent message
};

// The hooks must outlive the control.
bool HookChat(HWND chat, FaultHooks* hooks);
bool HookInput(HWND input, FaultHooks* hooks);
// Inside the handling of `message`: the client's time over it, when another program sent it.
void SlowDown(FaultHooks& hooks, const wchar_t* message);

}  // namespace roomsim::win32
