// What every control's window shares: placement, visibility, enabled state, text, font.
#include "platform/win32/ControlView.h"

#include "platform/win32/Colours.h"
#include "platform/win32/Dpi.h"

namespace vl::win32 {

void ControlView::Update(ControlProperty what) {
  HWND window = hwnd();
  if (window == nullptr) return;
  switch (what) {
    case ControlProperty::Text:
      SetWindowTextW(window, control_.Text().c_str());
      InvalidateRect(window, nullptr, TRUE);
      break;
    case ControlProperty::Bounds:
      Relayout();
      break;
    case ControlProperty::Visible:
      ShowWindow(window, control_.Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case ControlProperty::Enabled:
      EnableWindow(window, control_.Enabled() ? TRUE : FALSE);
      InvalidateRect(window, nullptr, TRUE);
      break;
    case ControlProperty::Colours:
    case ControlProperty::Checked:
    case ControlProperty::Items:
      InvalidateRect(window, nullptr, TRUE);
      break;
  }
}

void ControlView::Relayout() {
  HWND window = hwnd();
  if (window == nullptr) return;
  RECT r = PixelRect();
  SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont()), TRUE);
}

RECT ControlView::PixelRect() const {
  const Rect& r = control_.Bounds();
  const int dpi = host_.Dpi();
  // Edges, not sizes, are rounded: two controls that touch in twips touch in pixels too.
  return {TwipsToPixels(r.left, dpi), TwipsToPixels(r.top, dpi),
          TwipsToPixels(r.left + r.width, dpi), TwipsToPixels(r.top + r.height, dpi)};
}

COLORREF ControlView::Back() const {
  if (control_.BackColour() != kDefaultColour) return ToColorRef(control_.BackColour());
  return host_.ContainerBack(control_.Container());
}

ControlView::Placement ControlView::PlacementFor(DWORD style, DWORD exStyle) const {
  Placement p;
  p.style = style | WS_CHILD | WS_CLIPSIBLINGS;
  if (control_.Visible()) p.style |= WS_VISIBLE;
  if (!control_.Enabled()) p.style |= WS_DISABLED;
  p.exStyle = exStyle;
  p.rect = PixelRect();
  p.parent = host_.ContainerWindow(control_.Container());
  return p;
}

void ControlView::FinishCreation() {
  HWND window = hwnd();
  if (window == nullptr) return;
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont()), FALSE);
  // A new child goes to the bottom of its siblings; the design wants a later control above
  // an earlier one.
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace vl::win32
