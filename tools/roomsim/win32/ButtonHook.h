// A subclass of the room's "Button" children that reports every WM_LBUTTONDOWN and
// WM_LBUTTONUP reaching a button, from the real mouse or sent by another program, whether
// the button is enabled or not, before the button itself handles it.
#pragma once

#include <windows.h>

#include <functional>

namespace roomsim::win32 {

// index: the button's number, 1 to N; inside: the message's point lies in the button.
using ButtonListener = std::function<void(int index, bool down, bool inside)>;

// The listener must outlive the button.
bool HookButton(HWND button, int index, ButtonListener* listener);

}  // namespace roomsim::win32
