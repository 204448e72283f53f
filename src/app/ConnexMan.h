// The manual attach window: the moderator presses on it, drags the hand pointer onto the
// chat client's room window and lets go there.
#pragma once

#include "platform/ui/Form.h"

namespace vl {

class App;

class ConnexMan : public Form {
 public:
  explicit ConnexMan(App& app);

  Timer& Timer1;  // follows the window under the pointer, every 100 ms

 protected:
  void OnActivate() override;
  bool OnCloseRequest() override;

 private:
  App& app_;
};

}  // namespace vl
