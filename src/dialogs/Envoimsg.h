// Messages to categories of users: the chat's blue, green and red users, and the room bot's
// levels 1 and 2. The message is signed with the moderator's nickname.
#pragma once

#include "core/WindowContext.h"
#include "platform/ui/Form.h"

namespace vl {

class Envoimsg : public Form {
 public:
  explicit Envoimsg(const WindowContext& ctx);

  // Shows the window; the box keeps its text, and is emptied when the moderator first
  // enters it after this opening.
  void Open();

 protected:
  void OnLoad() override;

 private:
  Control& LayOut();  // adds the controls; returns the message box
  void ReyTextBox1_GotFocus();

  WindowContext ctx_;
  Control& ReyTextBox1_;
  bool emptyOnEntry_ = false;
};

}  // namespace vl
