// The form the Windows-side tests make over the real platform: every kind of control, and
// a record of what the platform tells it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/ui/Form.h"
#include "platform/win32/Win32Platform.h"

namespace vltest {

std::string ButtonName(vl::MouseButton button);  // "L", "R" or "M"

// Every kind of control, three of them in a frame, and menus, in the manner of the control
// panel; the tests find them by name. Label3 is disabled. Records its events as short words
// ("down:L", "close?", and "c.click" for a control recorded as "c").
class SampleForm : public vl::Form {
 public:
  explicit SampleForm(vl::Platform& platform);
  std::vector<std::string> events;
  bool allowClose = true;

  // Hands the control's events to `events`, prefixed with `tag` ("c.down:L").
  void Record(vl::Control& control, const std::string& tag);
  // The platform's window of a control.
  HWND WindowOf(const vl::Control& control) const;
  HWND Hwnd() const { return reinterpret_cast<HWND>(Handle()); }

 protected:
  bool OnCloseRequest() override {
    events.push_back("close?");
    return allowClose;
  }
  void OnMouseDown(vl::MouseButton b) override { events.push_back("down:" + ButtonName(b)); }
  void OnMouseUp(vl::MouseButton b) override { events.push_back("up:" + ButtonName(b)); }
};

}  // namespace vltest
