#include "room/ChatSender.h"

namespace vl {

SentLine ChatSender(ForeignWindows& windows, Clock& clock, const RoomWindowSet& room,
                    const std::wstring& text) {
  SentLine line = windows.SendLine(room.InputBoxWindow, room.SendButtonWindow, text);
  clock.Sleep(kChatSenderPauseMs);
  return line;
}

}  // namespace vl
