// The form window's messages: painting, the menu, the close box, activation, the mouse on
// the window itself, the pointer, and a change of DPI. The children's notifications go back
// to their own objects.
#include "platform/win32/FormWindow.h"

#include "platform/win32/Gdi.h"
#include "platform/win32/MouseMessages.h"
#include "platform/win32/PaintScope.h"
#include "platform/win32/Win32WindowSystem.h"

namespace vl::win32 {

LRESULT FormWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto painted = PaintScope::Handle(hwnd(), message, wParam, [this](HDC dc) { Paint(dc); })) {
    return *painted;
  }
  if (auto reflected = ReflectToChild(message, wParam, lParam)) return *reflected;
  if (MouseActionOf(message)) return Mouse(message);
  switch (message) {
    case WM_COMMAND:
      // What is not a child's notification comes from the menu (lParam 0).
      if (lParam == 0 && HIWORD(wParam) == 0 && menu_ != nullptr) menu_->Command(LOWORD(wParam));
      return 0;
    case WM_CLOSE:
      // Never the default destruction: the form decides, and may refuse.
      form_.CloseRequested();
      return 0;
    case WM_ACTIVATE:
      return Activate(wParam, lParam);
    case WM_SETCURSOR:
      return PointerOver(wParam, lParam);
    case WM_MOUSEMOVE:
      if (pointer_ != nullptr && GetCapture() == hwnd()) SetCursor(pointer_);
      return 0;
    case WM_DPICHANGED:
      return DpiChanged(wParam, lParam);
    default:
      return Default(message, wParam, lParam);
  }
}

void FormWindow::Paint(HDC dc) {
  RECT client;
  GetClientRect(hwnd(), &client);
  FillWith(dc, client, ContainerBack(nullptr));
  PaintShapes(nullptr, dc);
}

LRESULT FormWindow::Mouse(UINT message) {
  auto action = MouseActionOf(message);
  if (action->down) {
    form_.UserMouseDown(action->button);
  } else {
    form_.UserMouseUp(action->button);
  }
  return 0;
}

LRESULT FormWindow::Activate(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(hwnd(), focus)) focusBeforeLeaving_ = focus;
    return Default(WM_ACTIVATE, wParam, lParam);
  }
  HWND focus = focusBeforeLeaving_;
  focusBeforeLeaving_ = nullptr;
  const bool minimized = HIWORD(wParam) != 0;
  if (!minimized && focus != nullptr && IsWindow(focus) && IsChild(hwnd(), focus)) {
    SetFocus(focus);
  } else {
    Default(WM_ACTIVATE, wParam, lParam);
  }
  system_.Activation().WindowActivated(form_);
  return 0;
}

LRESULT FormWindow::PointerOver(WPARAM wParam, LPARAM lParam) {
  // The controls' windows ask their parent first (DefWindowProc), so this covers them too.
  if (pointer_ != nullptr && LOWORD(lParam) == HTCLIENT) {
    SetCursor(pointer_);
    return TRUE;
  }
  return Default(WM_SETCURSOR, wParam, lParam);
}

LRESULT FormWindow::DpiChanged(WPARAM wParam, LPARAM lParam) {
  dpi_ = HIWORD(wParam);
  const auto* suggested = reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
               suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  SizeClientArea();
  for (const auto& view : views_)
    view->Relayout();
  InvalidateRect(hwnd(), nullptr, TRUE);
  return 0;
}

}  // namespace vl::win32
