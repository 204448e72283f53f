// Messages to categories of users: the chat's blue, green and red users, and the room bot's
// levels 1 and 2. The message is signed with the moderator's nickname.
#pragma once

#include "platform/ui/Form.h"
#include "room/BotLines.h"

namespace vl {

class App;

class Envoimsg : public Form {
 public:
  explicit Envoimsg(App& app);

  // Shows the window; the box keeps its text, and is emptied when the moderator first
  // enters it after this opening.
  void Open();

 protected:
  void OnLoad() override;

 private:
  void Send(const std::wstring& line);
  void ReyTextBox1_GotFocus();

  App& app_;
  bool emptyOnEntry_ = false;
};

}  // namespace vl
