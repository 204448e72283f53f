// A one-line text box: a native EDIT, subclassed for the key, character, mouse and focus
// events, with the control's colours answered through WM_CTLCOLOREDIT.
#pragma once

#include "platform/win32/ControlView.h"
#include "platform/win32/Gdi.h"

namespace vl::win32 {

class TextBoxView final : public ControlView {
 public:
  using ControlView::ControlView;
  void Create() override;
  void Update(ControlProperty what) override;
  std::optional<LRESULT> Reflected(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT KeyDown(WPARAM key, LPARAM lParam);
  LRESULT Char(WPARAM character, LPARAM lParam);
  void TextEdited();

  ColourBrush brush_;
  bool programWrites_ = false;  // the program's own SetText does not come back as an edit
};

}  // namespace vl::win32
