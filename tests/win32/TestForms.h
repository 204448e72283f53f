// Forms made by the Windows-side tests over the real platform: one that records what the
// platform tells it, and a sample holding every kind of control.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Form.h"
#include "platform/win32/Win32Platform.h"

namespace vltest {

// A form that records its events as short words ("activate", "down:L", "close?").
class TestForm : public vl::Form {
 public:
  TestForm(vl::Platform& platform, vl::FormDesign design) : Form(platform, std::move(design)) {}
  std::vector<std::string> events;
  bool allowClose = true;

  // Hands the control's events to `events`, prefixed with `tag`.
  void Record(vl::Control& control, const std::string& tag);
  // The platform's window of a control.
  HWND WindowOf(const vl::Control& control) const;
  HWND Hwnd() const { return reinterpret_cast<HWND>(Handle()); }

 protected:
  void OnActivate() override { events.push_back("activate"); }
  bool OnCloseRequest() override {
    events.push_back("close?");
    return allowClose;
  }
  void OnMouseDown(vl::MouseButton button) override;
  void OnMouseUp(vl::MouseButton button) override;
};

std::string ButtonName(vl::MouseButton button);

// Colours of the sample form, as its design gives them (0xRRGGBB).
namespace sample {
inline constexpr vl::Colour kFormBack = 0x404040;
inline constexpr vl::Colour kButtonFace = 0xFFFF80;
inline constexpr vl::Colour kLabelBack = 0xFFE0C0;
inline constexpr vl::Colour kLabelFore = 0x004000;
inline constexpr vl::Colour kFrameBack = 0xFFC0C0;
inline constexpr vl::Colour kEditBack = 0xE0FFE0;
inline constexpr vl::Colour kCheckBack = 0xE0E0E0;
inline constexpr vl::Colour kShapeBorder = 0x008000;
inline constexpr vl::Colour kLineBorder = 0x0000FF;
}  // namespace sample

// A form with every kind of control, menus included, in the manner of the control panel.
class SampleForm : public TestForm {
 public:
  explicit SampleForm(vl::Platform& platform);
  vl::Control& shape;
  vl::Control& title;
  vl::Control& target;
  vl::Control& button;
  vl::Control& frame;
  vl::Control& frameLabel;
  vl::Control& frameButton;
  vl::Control& line;
  vl::Control& edit;
  vl::Control& check;
  vl::Control& picture;
  vl::Control& disabled;
  vl::Control& emptyFrame;
  vl::MenuItem& configure;
  vl::MenuItem& greet;
  vl::MenuItem& sign;
  vl::MenuItem& pause;
};

}  // namespace vltest
