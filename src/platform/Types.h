// Small value types shared by the program and the platform layer, so that nothing above
// platform/ needs <windows.h>.
#pragma once

#include <cstdint>

namespace vl {

// A window handle (HWND value). 0 means "no window".
using WindowHandle = std::uintptr_t;

// 0xRRGGBB, as the window designs give colours.
using Colour = std::uint32_t;
inline constexpr Colour kDefaultColour = 0xFFFFFFFFu;  // the system's own colour

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// A rectangle in twips (1/1440 inch): Left, Top, Width, Height.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

enum class MouseButton { Left, Right, Middle };

// Virtual-key codes the program uses.
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyScrollLock = 145;

}  // namespace vl
