// A list for reading: a native LISTBOX without selection marks of its own meaning, scrolled
// both ways, filled again in one go when the items change.
#pragma once

#include "platform/win32/ControlView.h"
#include "platform/win32/Gdi.h"

namespace vl::win32 {

class ListBoxView final : public ControlView {
 public:
  using ControlView::ControlView;
  void Create() override;
  void Update(ControlProperty what) override;
  void Relayout() override;
  std::optional<LRESULT> Reflected(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Fill();
  void MeasureWidth();

  ColourBrush brush_;
};

}  // namespace vl::win32
