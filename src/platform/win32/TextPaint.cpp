// DrawTextW with the layer's conventions: no prefix characters ("&" in a nickname stays an
// ampersand), words wrapped, disabled text drawn the way Windows greys its controls.
#include "platform/win32/TextPaint.h"

#include "platform/win32/Gdi.h"

namespace vl::win32 {

namespace {

void DrawOnce(HDC dc, const std::wstring& text, RECT rect, UINT format, COLORREF colour) {
  SetTextColor(dc, colour);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

}  // namespace

void DrawWrappedText(HDC dc, const std::wstring& text, RECT rect, const TextStyle& style) {
  if (text.empty()) return;
  Selection font(dc, style.font);
  SetBkMode(dc, TRANSPARENT);
  UINT format = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS | (style.centred ? DT_CENTER : DT_LEFT);
  if (style.middle) {
    RECT measure = rect;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measure, format | DT_CALCRECT);
    const int free = (rect.bottom - rect.top) - (measure.bottom - measure.top);
    if (free > 0) rect.top += free / 2;
  }
  if (style.enabled) {
    DrawOnce(dc, text, rect, format, style.colour);
    return;
  }
  RECT shadow = rect;
  OffsetRect(&shadow, 1, 1);
  DrawOnce(dc, text, shadow, format, GetSysColor(COLOR_3DHILIGHT));
  DrawOnce(dc, text, rect, format, GetSysColor(COLOR_GRAYTEXT));
}

SIZE MeasureLine(HDC dc, const std::wstring& text, HFONT font) {
  Selection select(dc, font);
  SIZE size{};
  const std::wstring probe = text.empty() ? std::wstring(L"X") : text;
  GetTextExtentPoint32W(dc, probe.c_str(), static_cast<int>(probe.size()), &size);
  if (text.empty()) size.cx = 0;
  return size;
}

}  // namespace vl::win32
