// The greetings and announcements picker: the six stored phrases, sent as plain chat lines
// with "$N" replaced by the target user's nickname. Without a target user, the lines that
// need one are greyed out.
#pragma once

#include "dialogs/PhrasePicker.h"

namespace vl {

class Messages : public PhrasePicker {
 public:
  explicit Messages(const WindowContext& ctx);

 protected:
  void OnActivate() override;
  void LineReleased() override;

 private:
  Control& LayOut();  // adds the controls; returns the notice of a missing target

  Control& erreur_;
};

}  // namespace vl
