// The base of every native window the layer makes. The window procedure finds the object
// through the window's user data (GWLP_USERDATA), never through a table of handles. System
// controls (EDIT, BUTTON) are subclassed so that their messages pass through the object
// first, and their notifications to the parent are reflected back to their own object.
#pragma once

#include <windows.h>

#include <optional>

namespace vl::win32 {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  // Destroys the native window when it is still there.
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }

  // The object of a window made through this class; nullptr for any other window.
  static Window* FromHandle(HWND hwnd);

  // A notification this window sent to its parent (WM_COMMAND, WM_CTLCOLOR*, WM_DRAWITEM),
  // handed back to it by the parent; nothing when it is not handled.
  virtual std::optional<LRESULT> Reflected(UINT message, WPARAM wParam, LPARAM lParam);

  // For parents: hands a child's notification to the child's object.
  static std::optional<LRESULT> ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam);

  struct Placement {
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{};  // left, top, right, bottom in the parent's client pixels
    HWND parent = nullptr;
  };

 protected:
  // Registers a class of the layer's own, once (a second registration fails harmlessly).
  static void RegisterOwnClass(const wchar_t* name, UINT style);
  void CreateOwn(const wchar_t* className, const wchar_t* text, const Placement& placement);
  void CreateSubclassed(const wchar_t* className, const wchar_t* text, const Placement& placement);
  void DestroyNative();

  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The class's own handling: the system control's procedure, or DefWindowProcW.
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Attach(HWND hwnd);
  void Detach();

  HWND hwnd_ = nullptr;
  WNDPROC original_ = nullptr;  // the system class's procedure, for subclassed controls
};

}  // namespace vl::win32
