// The one way the program writes into the room: the line goes into the room's input box, the
// send button is clicked, and the program pauses 150 ms, so that consecutive lines are apart.
// The line reaches the client whole or not at all: never a text left in the box unsent.
#pragma once

#include <string>

#include "platform/Clock.h"
#include "platform/ForeignWindows.h"
#include "room/RoomWindowSet.h"

namespace vl {

inline constexpr int kChatSenderPauseMs = 150;

// What became of the line is the caller's to weigh: a window that has gone, or a client that
// hangs, takes nothing, and the pause is kept all the same.
SentLine ChatSender(ForeignWindows& windows, Clock& clock, const RoomWindowSet& room,
                    const std::wstring& text);

}  // namespace vl
