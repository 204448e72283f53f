// Text drawing shared by the painted controls: word-wrapped text in a rectangle, greyed
// and embossed when the control is disabled.
#pragma once

#include <windows.h>

#include <string>

namespace vl::win32 {

struct TextStyle {
  HFONT font = nullptr;
  COLORREF colour = 0;
  bool centred = false;  // horizontally
  bool middle = false;   // vertically (the lines as a block)
  bool enabled = true;
};

void DrawWrappedText(HDC dc, const std::wstring& text, RECT rect, const TextStyle& style);

// Width and height of one line of `text` in `font`.
SIZE MeasureLine(HDC dc, const std::wstring& text, HFONT font);

}  // namespace vl::win32
