// Window procedure, creation and subclassing for the layer's windows.
#include "platform/win32/Window.h"

#include <exception>

#include "platform/win32/Resources.h"
#include "platform/win32/Win32ForeignWindows.h"

namespace vl::win32 {

namespace {

HWND Make(const wchar_t* className, const wchar_t* text, const Window::Placement& p, void* param);

}  // namespace

Window::~Window() {
  DestroyNative();
}

Window* Window::FromHandle(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
  if (proc != &Window::Procedure) return nullptr;
  return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

std::optional<LRESULT> Window::Reflected(UINT, WPARAM, LPARAM) {
  return std::nullopt;
}

std::optional<LRESULT> Window::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND child = nullptr;
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      child = reinterpret_cast<HWND>(lParam);
      break;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlType != ODT_MENU) child = item->hwndItem;
      break;
    }
    default:
      return std::nullopt;
  }
  Window* target = FromHandle(child);
  if (target == nullptr) return std::nullopt;
  return target->Reflected(message, wParam, lParam);
}

void Window::RegisterOwnClass(const wchar_t* name, UINT style) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = &Window::Procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  // The crescent on every window of the program and on its taskbar button, from the sizes
  // in the executable (none in the test programs: the system's default icon then).
  wc.hIcon = static_cast<HICON>(LoadImageW(wc.hInstance, MAKEINTRESOURCEW(VL_IDI_EMBLEM),
                                           IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                           GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
  wc.hIconSm = static_cast<HICON>(LoadImageW(wc.hInstance, MAKEINTRESOURCEW(VL_IDI_EMBLEM),
                                             IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  wc.lpszClassName = name;
  RegisterClassExW(&wc);  // ERROR_CLASS_ALREADY_EXISTS after the first time
}

void Window::CreateOwn(const wchar_t* className, const wchar_t* text, const Placement& placement) {
  // WM_NCCREATE attaches the object (its lpCreateParams is this).
  Make(className, text, placement, this);
}

void Window::CreateSubclassed(const wchar_t* className, const wchar_t* text,
                              const Placement& placement) {
  HWND hwnd = Make(className, text, placement, nullptr);
  if (hwnd == nullptr) return;
  Attach(hwnd);
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::Procedure)));
}

void Window::DestroyNative() {
  HWND hwnd = hwnd_;
  if (hwnd == nullptr) return;
  // No message of the destruction reaches an object that is going away.
  Detach();
  DestroyWindow(hwnd);
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  if (original_ != nullptr) return CallWindowProcW(original_, hwnd_, message, wParam, lParam);
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Window::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void Window::Detach() {
  if (hwnd_ == nullptr) return;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  if (original_ != nullptr) {
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    original_ = nullptr;
  }
  hwnd_ = nullptr;
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    if (create->lpCreateParams != nullptr) {
      static_cast<Window*>(create->lpCreateParams)->Attach(hwnd);
    }
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    LRESULT result = self->Default(message, wParam, lParam);
    self->Detach();
    return result;
  }
  // Each entry is a turn of the program, with its own time to wait on the chat client.
  Win32ForeignWindows::Turn turn;
  // No exception leaves a handler or a tick into the system: the event ends silently, the
  // program goes on (a client's lie can make an allocation fail).
  try {
    // The handler may end with the object gone (a form unloaded by its own close box): the
    // result is returned without touching it again.
    return self->OnMessage(message, wParam, lParam);
  } catch (const std::exception&) {
    return 0;
  }
}

namespace {

HWND Make(const wchar_t* className, const wchar_t* text, const Window::Placement& p, void* param) {
  const RECT& r = p.rect;
  return CreateWindowExW(p.exStyle, className, text, p.style, r.left, r.top, r.right - r.left,
                         r.bottom - r.top, p.parent, nullptr, GetModuleHandleW(nullptr), param);
}

}  // namespace

}  // namespace vl::win32
