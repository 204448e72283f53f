// The attached room's window handles, filled only by the manual attach.
#pragma once

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

}  // namespace vl
