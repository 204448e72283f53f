// The warnings picker: the seven stored warnings and a box for a warning of the moment. A
// warning is a plain chat line to the target user: the nickname, ", " and the text.
#pragma once

#include "dialogs/PhrasePicker.h"

namespace vl {

inline constexpr int kPanelHeightAfterWarning = 5790;

class Warnings : public PhrasePicker {
 public:
  explicit Warnings(App& app);

 protected:
  void OnActivate() override;
  void LineReleased() override;

 private:
  void Text1_KeyDown(int keyCode);
};

}  // namespace vl
