// Check box: BN_CLICKED is the click (which toggles the control); colours through
// WM_CTLCOLORSTATIC, the back colour defaulting to the container's.
#include "platform/win32/CheckBoxView.h"

namespace vl::win32 {

void CheckBoxView::Create() {
  CreateSubclassed(L"BUTTON", control().Text().c_str(), PlacementFor(BS_CHECKBOX | WS_TABSTOP));
  FinishCreation();
  ShowCheck();
}

void CheckBoxView::Update(ControlProperty what) {
  if (what == ControlProperty::Checked) {
    ShowCheck();
    return;
  }
  ControlView::Update(what);
}

void CheckBoxView::ShowCheck() {
  if (hwnd() == nullptr) return;
  SendMessageW(hwnd(), BM_SETCHECK, control().Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::optional<LRESULT> CheckBoxView::Reflected(UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_COMMAND) {
    if (HIWORD(wParam) == BN_CLICKED) control().UserClick();
    return 0;
  }
  if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORBTN) return std::nullopt;
  auto dc = reinterpret_cast<HDC>(wParam);
  const COLORREF back = Back();
  SetTextColor(dc, Fore(COLOR_WINDOWTEXT));
  SetBkColor(dc, back);
  return reinterpret_cast<LRESULT>(brush_.For(back));
}

}  // namespace vl::win32
