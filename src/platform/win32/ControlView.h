// The native side of one control: a child window per control (shapes and lines excepted,
// which their container paints), kept in step with the control's properties.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/ui/Control.h"
#include "platform/win32/Colours.h"
#include "platform/win32/ViewHost.h"
#include "platform/win32/Window.h"

namespace vl::win32 {

class ControlView : public Window {
 public:
  ControlView(Control& control, ViewHost& host) : control_(control), host_(host) {}

  // The view for the control's kind.
  static std::unique_ptr<ControlView> Make(Control& control, ViewHost& host);

  Control& control() const { return control_; }
  // Makes the native window in its container's window, above the ones made before it.
  virtual void Create() = 0;
  // Brings the native window in step with a property that changed.
  virtual void Update(ControlProperty what);
  // Places the window and sets its font again (after a change of DPI).
  virtual void Relayout();
  // Shapes and lines draw themselves on their container.
  virtual void PaintOnContainer(HDC) {}

 protected:
  // The control's rectangle in its container's client pixels.
  RECT PixelRect() const;
  // The control's back colour; its container's when left at the default.
  COLORREF Back() const;
  COLORREF Fore(int systemIndex) const { return ColourOr(control_.ForeColour(), systemIndex); }
  HFONT ControlFont() const { return host_.FontFor(control_.GetFont()); }
  ViewHost& host() const { return host_; }
  // The common styles and place of the control's window.
  Placement PlacementFor(DWORD style, DWORD exStyle = 0) const;
  // After creation: font, z-order above the siblings made before.
  void FinishCreation();
  // A token that expires with the view: a handler of the program may destroy the form
  // (and this view) while a message is being handled.
  std::weak_ptr<void> LifeToken() const { return life_; }

 private:
  Control& control_;
  ViewHost& host_;
  std::shared_ptr<void> life_ = std::make_shared<int>(0);
};

}  // namespace vl::win32
