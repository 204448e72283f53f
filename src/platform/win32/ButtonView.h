// A command button: a native BUTTON drawn by the layer (owner draw) in the control's face
// and text colours, so that coloured buttons look as the designs give them.
#pragma once

#include "platform/win32/ControlView.h"

namespace vl::win32 {

class ButtonView final : public ControlView {
 public:
  using ControlView::ControlView;
  void Create() override;
  std::optional<LRESULT> Reflected(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Draw(const DRAWITEMSTRUCT& item);
};

}  // namespace vl::win32
