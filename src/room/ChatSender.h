// The one way the program writes into the room: the line goes into the room's input box, the
// send button is clicked, and the program pauses 150 ms, so that consecutive lines are apart.
#pragma once

#include <string>

#include "platform/Platform.h"
#include "room/RoomWindowSet.h"

namespace vl {

inline constexpr int kChatSenderPauseMs = 150;

// Nothing is checked or reported: a window that has gone simply ignores the calls.
void ChatSender(Platform& platform, const RoomWindowSet& room, const std::wstring& text);

class Form;
// The form's window in the topmost band, or out of it, without moving or resizing it.
void SetAlwaysOnTop(Form& form);
void ClearAlwaysOnTop(Form& form);

}  // namespace vl
