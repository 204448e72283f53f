// The mouse-button messages as (button, pressed) pairs, for the views that route them.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/Types.h"

namespace vl::win32 {

struct MouseAction {
  MouseButton button;
  bool down;
};

// WM_[LRM]BUTTONDOWN and WM_[LRM]BUTTONUP; nothing for any other message.
inline std::optional<MouseAction> MouseActionOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
      return MouseAction{MouseButton::Left, true};
    case WM_LBUTTONUP:
      return MouseAction{MouseButton::Left, false};
    case WM_RBUTTONDOWN:
      return MouseAction{MouseButton::Right, true};
    case WM_RBUTTONUP:
      return MouseAction{MouseButton::Right, false};
    case WM_MBUTTONDOWN:
      return MouseAction{MouseButton::Middle, true};
    case WM_MBUTTONUP:
      return MouseAction{MouseButton::Middle, false};
    default:
      return std::nullopt;
  }
}

}  // namespace vl::win32
