// The attached room's window handles, filled only by the manual attach, and the buffer the
// chat reader and the nickname capture read the room's controls into.
#pragma once

#include <string>

#include "platform/Types.h"

namespace vl {

struct RoomWindowSet {
  WindowHandle PickedWindow = 0;  // under the pointer at the last tick of the attach window
  WindowHandle RoomWindow = 0;
  WindowHandle ChatTextWindow = 0;    // first "RichEdit20W" child
  WindowHandle InputBoxWindow = 0;    // first "Edit" child
  WindowHandle SendButtonWindow = 0;  // first "Button" child
  WindowHandle MicButtonWindow1 = 0;  // eighth "Button" child
  WindowHandle MicButtonWindow2 = 0;  // ninth "Button" child
};

// Each use overwrites it; nobody relies on an earlier content. Keeping one buffer means a
// reader that ticks every 100 ms does not allocate anew for a chat that has not grown.
struct ChatBuffer {
  std::wstring ChatText;
  int ChatTextLength = 0;
};

}  // namespace vl
