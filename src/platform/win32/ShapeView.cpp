// Shape: Rectangle(left, top, left + width, top + height) with a hollow brush; Line: from
// (left, top) to (left + width, top + height). Both in the control's border colour.
#include "platform/win32/ShapeView.h"

#include <algorithm>

#include "platform/win32/Gdi.h"

namespace vl::win32 {

void ShapeView::Create() {
  painted_ = Covered();
  Invalidate(painted_);
}

void ShapeView::Update(ControlProperty) {
  Relayout();
}

void ShapeView::Relayout() {
  // Whatever changed, the old and the new place are painted again.
  Invalidate(painted_);
  painted_ = Covered();
  Invalidate(painted_);
}

int ShapeView::PenWidth() const {
  return std::max(1, MulDiv(1, host().Dpi(), 96));
}

RECT ShapeView::Covered() const {
  RECT r = PixelRect();
  RECT covered{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
               std::max(r.top, r.bottom)};
  InflateRect(&covered, PenWidth(), PenWidth());
  return covered;
}

void ShapeView::Invalidate(const RECT& area) const {
  HWND container = host().ContainerWindow(control().Container());
  if (container != nullptr) InvalidateRect(container, &area, TRUE);
}

void ShapeView::PaintOnContainer(HDC dc) {
  if (!control().Visible()) return;
  GdiObject<HPEN> pen(
      CreatePen(PS_SOLID, PenWidth(), ColourOr(control().BorderColour(), COLOR_WINDOWTEXT)));
  Selection selectPen(dc, pen.get());
  const RECT r = PixelRect();
  if (control().Kind() == ControlKind::Line) {
    MoveToEx(dc, r.left, r.top, nullptr);
    LineTo(dc, r.right, r.bottom);
    return;
  }
  Selection hollow(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

}  // namespace vl::win32
