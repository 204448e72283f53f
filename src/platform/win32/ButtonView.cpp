// Button: face, raised 3-D edge (sunken while pressed), centred word-wrapped text in the
// control's font, a focus mark, greyed text when disabled; BN_CLICKED is the click.
#include "platform/win32/ButtonView.h"

#include "platform/win32/Gdi.h"
#include "platform/win32/TextPaint.h"

namespace vl::win32 {

void ButtonView::Create() {
  CreateSubclassed(L"BUTTON", control().Text().c_str(),
                   PlacementFor(BS_OWNERDRAW | BS_MULTILINE | WS_TABSTOP));
  FinishCreation();
}

LRESULT ButtonView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // An owner-drawn button turns the second press of a double click into BN_DOUBLECLICKED
  // and no click; a command button clicks at every press and release.
  if (message == WM_LBUTTONDBLCLK) message = WM_LBUTTONDOWN;
  return Default(message, wParam, lParam);
}

std::optional<LRESULT> ButtonView::Reflected(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM) {
    Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  }
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    control().UserClick();
    return 0;
  }
  return std::nullopt;
}

void ButtonView::Draw(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  FillWith(dc, rect, ColourOr(control().BackColour(), COLOR_BTNFACE));
  DrawEdge(dc, &rect, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);

  RECT textRect = rect;
  InflateRect(&textRect, -2, -1);
  if (pressed) OffsetRect(&textRect, 1, 1);
  TextStyle style;
  style.font = ControlFont();
  style.colour = Fore(COLOR_BTNTEXT);
  style.centred = true;
  style.middle = true;
  style.enabled = (item.itemState & ODS_DISABLED) == 0;
  DrawWrappedText(dc, control().Text(), textRect, style);

  if (focused && (item.itemState & ODS_NOFOCUSRECT) == 0) {
    RECT mark = rect;
    InflateRect(&mark, -2, -2);
    DrawFocusRect(dc, &mark);
  }
}

}  // namespace vl::win32
