// A frame: a container window of the layer's own class with its back colour, a thin border
// and its caption in the top edge. Controls standing in it are its child windows, and it
// paints its shapes and lines under them.
#pragma once

#include "platform/win32/ControlView.h"

namespace vl::win32 {

class FrameView final : public ControlView {
 public:
  using ControlView::ControlView;
  void Create() override;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc);
};

}  // namespace vl::win32
