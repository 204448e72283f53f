// The program's own windows: the platform makes a native window (a peer) for each form,
// renders its controls and menus, and sends the user's actions back to them.
#pragma once

#include <memory>
#include <string>

#include "platform/Types.h"
#include "platform/ui/Control.h"
#include "platform/ui/MenuItem.h"

namespace vl {

class Form;

enum class WindowState { Hidden, Normal, Minimized };

class FormPeer : public ControlObserver, public MenuObserver {
 public:
  // Caption, state, position and size of the window; twips on the screen, outer size.
  virtual void CaptionChanged() = 0;
  virtual void SetState(WindowState state) = 0;
  virtual WindowState State() const = 0;
  virtual void SetTopmost(bool topmost) = 0;
  virtual Rect Bounds() const = 0;
  virtual void MoveTo(int left, int top) = 0;
  virtual void SetHeight(int height) = 0;
  // Lets the window paint what changed, now; runs no handler of the program.
  virtual void LetPaint() = 0;
  virtual void Focus(Control& control) = 0;
  // The mouse pointer over the window; false when the cursor file could not be loaded (the
  // pointer then stays as it is).
  virtual bool SetPointerFromFile(const std::wstring& path) = 0;
  virtual void ResetPointer() = 0;
  // While captured, the window gets the mouse wherever the pointer goes.
  virtual void CaptureMouse() = 0;
  virtual void ReleaseMouse() = 0;
  virtual WindowHandle Handle() const = 0;
  // Destroys the native window; the peer object stays until the form lets it go.
  virtual void Destroy() = 0;
};

// Tells a form it has been activated the way the program's windows expect it: when it
// becomes the active window of the program, coming from another window of the program or
// shown anew. Coming back to the same window from another program does not count.
class ActivationTracker {
 public:
  void WindowActivated(Form& form);
  void WindowHidden(Form& form) {
    if (last_ == &form) last_ = nullptr;
  }
  Form* LastActive() const { return last_; }

 private:
  Form* last_ = nullptr;
};

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  // A native window for the form, hidden, with the form's client size.
  virtual std::unique_ptr<FormPeer> CreatePeer(Form& form) = 0;
  // Size of the primary monitor's screen in twips.
  virtual int ScreenWidth() = 0;
  virtual int ScreenHeight() = 0;
  // The work area (the screen less the taskbar and the bars docked at its edges) of the
  // monitor that holds most of `window`, or of the nearest one when it lies on none; of the
  // primary monitor when `window` is 0. Twips at the window's DPI, on the whole desktop: a
  // monitor left of or above the primary has a negative left or top.
  virtual Rect WorkAreaOf(WindowHandle window) = 0;

  ActivationTracker& Activation() { return activation_; }

 private:
  ActivationTracker activation_;
};

}  // namespace vl
