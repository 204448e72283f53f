// The one way the program writes into the room: the line goes into the room's input box, the
// send button is clicked, and the program pauses 150 ms, so that consecutive lines are apart.
#pragma once

#include <string>

#include "platform/Clock.h"
#include "platform/ForeignWindows.h"
#include "room/RoomWindowSet.h"

namespace vl {

inline constexpr int kChatSenderPauseMs = 150;

// Nothing is checked or reported: a window that has gone simply ignores the calls.
void ChatSender(ForeignWindows& windows, Clock& clock, const RoomWindowSet& room,
                const std::wstring& text);

}  // namespace vl
