// Messages to categories of users: the chat's blue, green and red users, and the room bot's
// levels 1 and 2. The message is signed with the moderator's nickname.
#pragma once

#include <optional>
#include <string>

#include "core/WindowContext.h"
#include "platform/ui/Form.h"

namespace vl {

class Envoimsg : public Form {
 public:
  explicit Envoimsg(const WindowContext& ctx);

  // Shows the window with the keyboard in the box. The box keeps its text: a message not
  // yet sent is never lost, and one already sent stays in view (to be copied) until the
  // moderator types into the box, which then starts from empty.
  void Open();

 protected:
  void OnLoad() override;

 private:
  Control& LayOut();  // adds the controls; returns the message box
  void ReyTextBox1_Char(wchar_t character);

  WindowContext ctx_;
  Control& ReyTextBox1_;
  // The message last sent, while the box may still show it untouched by typing.
  std::optional<std::wstring> sentText_;
};

}  // namespace vl
