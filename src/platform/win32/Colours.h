// The designs' 0xRRGGBB colours as GDI colours, with the system colour standing in for a
// colour left at its default.
#pragma once

#include <windows.h>

#include "platform/Types.h"

namespace vl::win32 {

inline COLORREF ToColorRef(Colour colour) {
  return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

// `colour`, or the system colour `systemIndex` (COLOR_*) when it is kDefaultColour.
inline COLORREF ColourOr(Colour colour, int systemIndex) {
  return colour == kDefaultColour ? GetSysColor(systemIndex) : ToColorRef(colour);
}

}  // namespace vl::win32
