// One window of the program as data: its named controls, menus and timers, and its handlers.
// Each window of the program derives from Form; the platform's peer renders it.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"
#include "platform/ui/Control.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/Timer.h"

namespace vl {

struct FormDesign {
  std::wstring name;
  std::wstring caption;
  int clientWidth = 0;  // twips
  int clientHeight = 0;
  Colour back = kDefaultColour;
};

class Form {
 public:
  Form(Platform& platform, FormDesign design);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::wstring& Name() const { return design_.name; }
  const std::wstring& Caption() const { return design_.caption; }
  void SetCaption(std::wstring caption);
  int ClientWidth() const { return design_.clientWidth; }
  int ClientHeight() const { return design_.clientHeight; }
  Colour BackColour() const { return design_.back; }

  // The design. Controls are kept in the order added; a later one lies above an earlier one.
  Control& Add(ControlDesign design);
  Timer& AddTimer(std::wstring name, int intervalMs, bool enabled);
  // A top-level menu (parent nullptr) or an item of a drop-down menu.
  MenuItem& AddMenu(std::wstring name, std::wstring caption, MenuItem* parent = nullptr);

  Control& operator[](std::wstring_view name) const;  // the control must exist
  Control* Find(std::wstring_view name) const;
  MenuItem& Menu(std::wstring_view name) const;
  Timer& GetTimer(std::wstring_view name) const;
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  std::vector<MenuItem*> MenuBar() const;
  const std::vector<std::unique_ptr<Timer>>& Timers() const { return timers_; }

  // Lifecycle. Load makes the native window (hidden) and runs OnLoad, once; Unload destroys
  // the window and stops the timers, and the form is not loaded again.
  void Load();
  void Unload();
  bool Loaded() const { return loaded_; }
  bool Unloaded() const { return unloaded_; }

  // The window. Show loads the form first when needed.
  void Show();
  void Hide();
  void Minimize();    // ShowWindow SW_SHOWMINIMIZED
  void ShowNormal();  // ShowWindow SW_SHOWNORMAL
  WindowState State() const;
  bool Visible() const { return State() != WindowState::Hidden; }
  // The window in the topmost band of the desktop, or out of it, without moving or resizing.
  void SetAlwaysOnTop() { SetTopmost(true); }
  void ClearAlwaysOnTop() { SetTopmost(false); }
  bool Topmost() const { return topmost_; }
  Rect Bounds() const;
  void MoveTo(int left, int top);
  void SetHeight(int height);
  void LetPaint();
  void Focus(Control& control);
  bool SetPointerFromFile(const std::wstring& path);
  void ResetPointer();
  void CaptureMouse();
  void ReleaseMouse();
  WindowHandle Handle() const;
  // Top := (screen height - height) / 2, then Left := (screen width - width) / 2.
  void CentreOnScreen();
  // At the top-left corner of `other`, moved back only as far as needed to stay inside the
  // work area of the monitor that holds `other`: a window placed at another one's corner must
  // open neither partly out of sight nor on another monitor than the one the user works on.
  void MoveToCornerOf(const Form& other);

  // From the platform.
  void Activated() { OnActivate(); }
  // The close box, the system menu or Alt+F4.
  void CloseRequested();
  // A mouse button pressed or released on the window itself, outside its controls.
  void UserMouseDown(MouseButton button) { OnMouseDown(button); }
  void UserMouseUp(MouseButton button) { OnMouseUp(button); }

  Platform& platform() const { return platform_; }

 protected:
  virtual void OnLoad() {}
  virtual void OnActivate() {}
  // Return false to refuse the closing.
  virtual bool OnCloseRequest() { return true; }
  virtual void OnMouseDown(MouseButton) {}
  virtual void OnMouseUp(MouseButton) {}

 private:
  void SetTopmost(bool topmost);

  Platform& platform_;
  FormDesign design_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<std::unique_ptr<MenuItem>> menus_;
  std::vector<std::unique_ptr<Timer>> timers_;
  std::vector<Timer*> designEnabled_;
  std::unique_ptr<FormPeer> peer_;
  bool loaded_ = false;
  bool unloaded_ = false;
  bool topmost_ = false;
};

}  // namespace vl
