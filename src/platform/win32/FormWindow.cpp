// Creation of the form's window and its controls, and the calls of the program on it.
#include "platform/win32/FormWindow.h"

#include "platform/win32/Colours.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/Win32WindowSystem.h"

namespace vl::win32 {

namespace {

constexpr wchar_t kClass[] = L"VerdeluneForm";
// Caption, system menu with its close box, minimize box; a fixed border, no resizing.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

}  // namespace

FormWindow::FormWindow(Form& form, Win32WindowSystem& system) : form_(form), system_(system) {
  RegisterOwnClass(kClass, 0);
  Placement placement;
  placement.style = kStyle;
  placement.rect = {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
  CreateOwn(kClass, form.Caption().c_str(), placement);
  if (hwnd() == nullptr) return;
  dpi_ = DpiOf(hwnd());
  menu_ = std::make_unique<FormMenu>(form.MenuBar());
  if (menu_->Handle() != nullptr) SetMenu(hwnd(), menu_->Handle());
  SizeClientArea();
  for (const auto& control : form.Controls())
    CreateView(*control);
}

FormWindow::~FormWindow() {
  Destroy();
  if (pointer_ != nullptr) DestroyCursor(pointer_);
}

void FormWindow::SizeClientArea() {
  const int width = TwipsToPixels(form_.ClientWidth(), dpi_);
  const int height = TwipsToPixels(form_.ClientHeight(), dpi_);
  RECT outer{0, 0, width, height};
  AdjustWindowRectForDpi(outer, kStyle, GetMenu(hwnd()) != nullptr, dpi_);
  int outerWidth = outer.right - outer.left;
  int outerHeight = outer.bottom - outer.top;
  const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(hwnd(), nullptr, 0, 0, outerWidth, outerHeight, flags);
  // A menu bar that wraps onto a second line takes more than AdjustWindowRect counts.
  RECT client;
  GetClientRect(hwnd(), &client);
  if (client.right != width || client.bottom != height) {
    outerWidth += width - client.right;
    outerHeight += height - client.bottom;
    SetWindowPos(hwnd(), nullptr, 0, 0, outerWidth, outerHeight, flags);
  }
}

ControlView& FormWindow::CreateView(Control& control) {
  if (ControlView* made = ViewOf(&control)) return *made;
  // A control's frame must have its window before the control can stand in it.
  if (control.Container() != nullptr) CreateView(*control.Container());
  auto view = ControlView::Make(control, *this);
  ControlView& made = *view;
  byControl_[&control] = view.get();
  views_.push_back(std::move(view));
  made.Create();
  return made;
}

ControlView* FormWindow::ViewOf(const Control* control) const {
  auto found = byControl_.find(control);
  return found == byControl_.end() ? nullptr : found->second;
}

HWND FormWindow::ControlWindow(const Control& control) const {
  ControlView* view = ViewOf(&control);
  return view != nullptr ? view->hwnd() : nullptr;
}

const FormWindow* FormWindow::Of(HWND hwnd) {
  wchar_t name[64] = {};
  if (hwnd == nullptr || GetClassNameW(hwnd, name, 64) == 0 || lstrcmpW(name, kClass) != 0) {
    return nullptr;
  }
  return static_cast<const FormWindow*>(Window::FromHandle(hwnd));
}

void FormWindow::CaptionChanged() {
  SetWindowTextW(hwnd(), form_.Caption().c_str());
}

void FormWindow::SetState(WindowState state) {
  switch (state) {
    case WindowState::Hidden:
      ShowWindow(hwnd(), SW_HIDE);
      break;
    case WindowState::Minimized:
      ShowWindow(hwnd(), SW_SHOWMINIMIZED);
      break;
    case WindowState::Normal:
      ShowWindow(hwnd(), SW_SHOWNORMAL);
      SetForegroundWindow(hwnd());
      break;
  }
}

WindowState FormWindow::State() const {
  if (hwnd() == nullptr || !IsWindowVisible(hwnd())) return WindowState::Hidden;
  return IsIconic(hwnd()) ? WindowState::Minimized : WindowState::Normal;
}

void FormWindow::SetTopmost(bool topmost) {
  SetWindowPos(hwnd(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE);
}

Rect FormWindow::Bounds() const {
  RECT r{};
  if (hwnd() == nullptr || !GetWindowRect(hwnd(), &r)) return {};
  return {PixelsToTwips(r.left, dpi_), PixelsToTwips(r.top, dpi_),
          PixelsToTwips(r.right - r.left, dpi_), PixelsToTwips(r.bottom - r.top, dpi_)};
}

void FormWindow::MoveTo(int left, int top) {
  SetWindowPos(hwnd(), nullptr, TwipsToPixels(left, dpi_), TwipsToPixels(top, dpi_), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::SetHeight(int height) {
  RECT r{};
  if (hwnd() == nullptr || !GetWindowRect(hwnd(), &r)) return;
  SetWindowPos(hwnd(), nullptr, 0, 0, r.right - r.left, TwipsToPixels(height, dpi_),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::LetPaint() {
  if (hwnd() == nullptr) return;
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  // Wine shows what was painted only when the thread next waits for its queue (or at an
  // EndPaint more than about 50 ms after the last showing): a pause right after LetPaint
  // would hide the change for its whole length. A wait of no time, for nothing, shows it
  // now and takes no message; on Windows it does nothing.
  MsgWaitForMultipleObjectsEx(0, nullptr, 0, 0, 0);
}

void FormWindow::Focus(Control& control) {
  if (HWND window = ControlWindow(control)) SetFocus(window);
}

bool FormWindow::SetPointerFromFile(const std::wstring& path) {
  HCURSOR loaded = LoadCursorFromFileW(path.c_str());
  if (loaded == nullptr) return false;
  HCURSOR previous = pointer_;
  pointer_ = loaded;
  SetCursor(pointer_);
  if (previous != nullptr) DestroyCursor(previous);
  return true;
}

void FormWindow::ResetPointer() {
  if (pointer_ == nullptr) return;
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  DestroyCursor(pointer_);
  pointer_ = nullptr;
}

void FormWindow::CaptureMouse() {
  if (hwnd() == nullptr) return;
  SetCapture(hwnd());
  // While captured no WM_SETCURSOR comes: the pointer is set here, once, for everywhere.
  if (pointer_ != nullptr) SetCursor(pointer_);
}

void FormWindow::ReleaseMouse() {
  HWND captured = GetCapture();
  if (captured != nullptr && (captured == hwnd() || IsChild(hwnd(), captured))) ReleaseCapture();
}

WindowHandle FormWindow::Handle() const {
  return reinterpret_cast<WindowHandle>(hwnd());
}

void FormWindow::Destroy() {
  // The controls' windows go with it; WM_NCDESTROY detaches every object.
  if (hwnd() != nullptr) DestroyWindow(hwnd());
}

void FormWindow::ControlChanged(Control& control, ControlProperty what) {
  if (ControlView* view = ViewOf(&control)) view->Update(what);
}

void FormWindow::MenuChanged(MenuItem& item) {
  if (menu_ != nullptr && menu_->ShowChecked(item) && hwnd() != nullptr) DrawMenuBar(hwnd());
}

HFONT FormWindow::FontFor(const Font& font) {
  return system_.Fonts().Get(font, dpi_);
}

HWND FormWindow::ContainerWindow(const Control* container) const {
  if (container == nullptr) return hwnd();
  HWND window = ControlWindow(*container);
  return window != nullptr ? window : hwnd();
}

COLORREF FormWindow::ContainerBack(const Control* container) const {
  if (container == nullptr) return ColourOr(form_.BackColour(), COLOR_BTNFACE);
  if (container->BackColour() != kDefaultColour) return ToColorRef(container->BackColour());
  return ContainerBack(container->Container());
}

void FormWindow::PaintShapes(const Control* container, HDC dc) {
  for (const auto& view : views_) {
    if (view->control().Container() == container) view->PaintOnContainer(dc);
  }
}

}  // namespace vl::win32
