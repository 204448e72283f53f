// Label: word-wrapped text in the control's font and colours; mouse down, up, click (a left
// press then release on it) and double click, in the order the program's windows expect:
// down, up, click, double click, up.
#include "platform/win32/LabelView.h"

#include <windowsx.h>

#include "platform/win32/Gdi.h"
#include "platform/win32/MouseMessages.h"
#include "platform/win32/PaintScope.h"
#include "platform/win32/TextPaint.h"

namespace vl::win32 {

namespace {
constexpr wchar_t kClass[] = L"VerdeluneLabel";
}

void LabelView::Create() {
  RegisterOwnClass(kClass, CS_DBLCLKS);
  CreateOwn(kClass, control().Text().c_str(), PlacementFor(0));
  FinishCreation();
}

LRESULT LabelView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto painted = PaintScope::Handle(hwnd(), message, wParam, [this](HDC dc) { Paint(dc); })) {
    return *painted;
  }
  if (auto mouse = MouseActionOf(message)) {
    return mouse->down ? ButtonPressed(mouse->button) : ButtonReleased(mouse->button, lParam);
  }
  switch (message) {
    case WM_LBUTTONDBLCLK:
      return DoubleClicked();
    case WM_RBUTTONDBLCLK:
      return ButtonPressed(MouseButton::Right);
    case WM_MBUTTONDBLCLK:
      return ButtonPressed(MouseButton::Middle);
    case WM_CAPTURECHANGED:
      leftPressed_ = false;
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

void LabelView::Paint(HDC dc) {
  RECT rect;
  GetClientRect(hwnd(), &rect);
  FillWith(dc, rect, Back());
  TextStyle style;
  style.font = ControlFont();
  style.colour = Fore(COLOR_WINDOWTEXT);
  style.centred = control().Align() == Alignment::Center;
  style.enabled = control().Enabled();
  DrawWrappedText(dc, control().Text(), rect, style);
}

LRESULT LabelView::ButtonPressed(MouseButton button) {
  // The label keeps the mouse until the release, so that the release comes back to it; a
  // handler that captures the mouse for its own window takes it over.
  SetCapture(hwnd());
  if (button == MouseButton::Left) leftPressed_ = true;
  control().UserMouseDown(button);
  return 0;
}

LRESULT LabelView::ButtonReleased(MouseButton button, LPARAM position) {
  RECT client;
  GetClientRect(hwnd(), &client);
  const POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  const bool click = button == MouseButton::Left && leftPressed_ && PtInRect(&client, at);
  if (button == MouseButton::Left) leftPressed_ = false;
  const bool anyHeld =
      (GetKeyState(VK_LBUTTON) | GetKeyState(VK_RBUTTON) | GetKeyState(VK_MBUTTON)) & 0x8000;
  if (GetCapture() == hwnd() && !anyHeld) ReleaseCapture();
  auto alive = LifeToken();
  control().UserMouseUp(button);
  if (click && !alive.expired()) control().UserClick();
  return 0;
}

LRESULT LabelView::DoubleClicked() {
  SetCapture(hwnd());
  leftPressed_ = false;  // the release after a double click is no click of its own
  control().UserDblClick();
  return 0;
}

}  // namespace vl::win32
