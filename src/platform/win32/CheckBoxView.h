// A check box: a native BUTTON of style BS_CHECKBOX. The box does not toggle itself: the
// control toggles on its click and the view shows the control's state.
#pragma once

#include "platform/win32/ControlView.h"
#include "platform/win32/Gdi.h"

namespace vl::win32 {

class CheckBoxView final : public ControlView {
 public:
  using ControlView::ControlView;
  void Create() override;
  void Update(ControlProperty what) override;
  std::optional<LRESULT> Reflected(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ShowCheck();

  ColourBrush brush_;
};

}  // namespace vl::win32
