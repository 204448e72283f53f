// The program's emblem: a green crescent moon, drawn with GDI at any size.
#pragma once

#include <windows.h>

namespace vl::win32 {

// Fills `rect` with `back` and draws the crescent centred in it.
void DrawEmblem(HDC dc, const RECT& rect, COLORREF back);

// The emblem's green, for tests and for anything drawn beside it.
inline constexpr COLORREF kEmblemGreen = RGB(0x3C, 0xB0, 0x43);

}  // namespace vl::win32
