// The crescent is a green disc with a disc of the back colour taken out of its upper right,
// and a darker rim on the lit edge.
#include "platform/win32/Emblem.h"

#include <algorithm>

#include "platform/win32/Gdi.h"

namespace vl::win32 {

namespace {

void Disc(HDC dc, int cx, int cy, int radius, COLORREF fill, COLORREF rim) {
  GdiObject<HBRUSH> brush(CreateSolidBrush(fill));
  GdiObject<HPEN> pen(CreatePen(PS_SOLID, std::max(1, radius / 24), rim));
  Selection b(dc, brush.get());
  Selection p(dc, pen.get());
  Ellipse(dc, cx - radius, cy - radius, cx + radius + 1, cy + radius + 1);
}

}  // namespace

void DrawEmblem(HDC dc, const RECT& rect, COLORREF back) {
  FillWith(dc, rect, back);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const int radius = std::min(width, height) * 9 / 20;
  if (radius < 2) return;
  const int cx = rect.left + width / 2;
  const int cy = rect.top + height / 2;
  Disc(dc, cx, cy, radius, kEmblemGreen, RGB(0x1E, 0x6B, 0x2A));
  // The shadowed part: a disc of the back colour, a little smaller, up and to the right.
  const int shift = radius * 9 / 20;
  Disc(dc, cx + shift, cy - shift / 2, radius * 17 / 20, back, back);
}

}  // namespace vl::win32
