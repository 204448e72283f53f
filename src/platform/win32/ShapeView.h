// Shapes (a rectangle outline) and lines have no window: their container paints them in its
// WM_PAINT, under its child windows.
#pragma once

#include "platform/win32/ControlView.h"

namespace vl::win32 {

class ShapeView final : public ControlView {
 public:
  using ControlView::ControlView;
  void Create() override;
  void Update(ControlProperty what) override;
  void Relayout() override;
  void PaintOnContainer(HDC dc) override;

 private:
  // The pixels the figure covers, pen included.
  RECT Covered() const;
  void Invalidate(const RECT& area) const;
  int PenWidth() const;

  RECT painted_{};  // the area covered when last placed, repainted when it moves
};

}  // namespace vl::win32
