// A label: a window of the layer's own class that paints its text and routes the mouse.
#pragma once

#include "platform/win32/ControlView.h"

namespace vl::win32 {

class LabelView final : public ControlView {
 public:
  using ControlView::ControlView;
  void Create() override;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc);
  LRESULT ButtonPressed(MouseButton button);
  LRESULT ButtonReleased(MouseButton button, LPARAM position);
  LRESULT DoubleClicked();

  bool leftPressed_ = false;  // a left press on the label that may end in a click
};

}  // namespace vl::win32
