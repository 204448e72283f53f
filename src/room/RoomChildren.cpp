#include "room/RoomChildren.h"

#include "room/TextOps.h"

namespace vl {

void FindRoomChildren(ForeignWindows& windows, WindowHandle picked, RoomWindowSet& room,
                      MissingButtons missing) {
  room.RoomWindow = picked;
  room.ChatTextWindow = windows.FindChild(picked, 0, kClassChat);
  room.InputBoxWindow = windows.FindChild(picked, 0, kClassInputBox);
  room.SendButtonWindow = windows.FindChild(picked, 0, kClassButton);
  room.MicButtonWindow1 = room.MicButtonWindow2 = 0;
  WindowHandle button = 0;
  for (int n = 1; n <= 9; ++n) {
    button = windows.FindChild(picked, button, kClassButton);
    if (button == 0 && missing == MissingButtons::LeaveEmpty) break;
    if (n == 8) room.MicButtonWindow1 = button;
    if (n == 9) room.MicButtonWindow2 = button;
  }
}

bool ControlsStillInRoom(ForeignWindows& windows, const RoomWindowSet& room) {
  for (WindowHandle h : {room.ChatTextWindow, room.InputBoxWindow, room.SendButtonWindow,
                         room.MicButtonWindow1, room.MicButtonWindow2}) {
    if (h != 0 && windows.Parent(h) != room.RoomWindow) return false;
  }
  return true;
}

bool IsAttach(const RoomWindowSet& room) {
  return room.RoomWindow != 0 && room.ChatTextWindow != 0 && room.InputBoxWindow != 0 &&
         room.SendButtonWindow != 0;
}

std::wstring ChercheNomSite(ForeignWindows& windows, WindowHandle& window) {
  window = windows.Parent(window);
  for (;;) {
    if (window == 0) return {};
    window = windows.Parent(window);
    if (Contains(windows.ClassName(window), kClassTabWindow)) break;
  }
  std::wstring title(TrimBlanks(windows.Title(window)));
  size_t dash = title.find(L" - ");
  return dash == std::wstring::npos ? title : title.substr(0, dash);
}

}  // namespace vl
