// The warnings picker: the seven stored warnings and a box for a warning of the moment. A
// warning is a plain chat line to the target user: the nickname, ", " and the text.
#pragma once

#include "dialogs/PhrasePicker.h"

namespace vl {

inline constexpr int kPanelHeightAfterWarning = 5790;

class Warnings : public PhrasePicker {
 public:
  explicit Warnings(const WindowContext& ctx);

 protected:
  void OnActivate() override;
  void LineReleased() override;

 private:
  Control& LayOut();  // adds the controls; returns the box for a warning of the moment
  void Text1_KeyDown(int keyCode);

  Control& Text1_;
};

}  // namespace vl
