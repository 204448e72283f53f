#include "room/ChatSender.h"

namespace vl {

void ChatSender(ForeignWindows& windows, Clock& clock, const RoomWindowSet& room,
                const std::wstring& text) {
  windows.SetText(room.InputBoxWindow, text);
  windows.ButtonDown(room.SendButtonWindow);
  windows.ButtonUp(room.SendButtonWindow);
  clock.Sleep(kChatSenderPauseMs);
}

}  // namespace vl
