// Where the room window's children go, and the buttons' captions.
#pragma once

#include <windows.h>

#include <string>

namespace roomsim::win32 {

enum ChildId { kChatId = 10, kInputId = 11, kListId = 12, kFirstButtonId = 100 };

// Caption of button `index` (1 to N): "Envoyer", the microphone's "Parler" (8) and
// "Appuyer pour parler" (9), harmless client buttons otherwise.
std::wstring ButtonCaption(int index);

struct RoomGeometry {
  RECT chat, list, input;
  int buttonsTop;  // the rows of buttons 2..N
};

RoomGeometry ComputeGeometry(int width, int height, int buttons, int stripHeight);

// Button `index`'s rectangle: the send button beside the input box, the others in rows.
RECT ButtonRect(const RoomGeometry& g, int width, int index);

}  // namespace roomsim::win32
