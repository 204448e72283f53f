// A picture: the program's emblem, drawn in the control's rectangle.
#pragma once

#include "platform/win32/ControlView.h"

namespace vl::win32 {

class PictureView final : public ControlView {
 public:
  using ControlView::ControlView;
  void Create() override;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace vl::win32
