#include "room/ChatSender.h"

#include "platform/ui/Form.h"

namespace vl {

void ChatSender(Platform& platform, const RoomWindowSet& room, const std::wstring& text) {
  ForeignWindows& windows = platform.foreign();
  windows.SetText(room.InputBoxWindow, text);
  windows.ButtonDown(room.SendButtonWindow);
  windows.ButtonUp(room.SendButtonWindow);
  platform.clock().Sleep(kChatSenderPauseMs);
}

void SetAlwaysOnTop(Form& form) {
  form.SetTopmost(true);
}
void ClearAlwaysOnTop(Form& form) {
  form.SetTopmost(false);
}

}  // namespace vl
