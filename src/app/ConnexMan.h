// The manual attach window: the moderator presses on it, drags the hand pointer onto the
// chat client's room window and lets go there. The window under the pointer at the last tick
// becomes the room; its children give the chat, the input box and the buttons.
#pragma once

#include "core/WindowContext.h"
#include "platform/ui/Form.h"

namespace vl {

class ConnexMan : public Form {
 public:
  explicit ConnexMan(const WindowContext& ctx);

  Timer& Timer1;  // follows the window under the pointer, every 100 ms

 protected:
  void OnLoad() override { CentreOnScreen(); }
  void OnActivate() override;
  bool OnCloseRequest() override;
  void OnMouseDown(MouseButton) override { Pressed(); }
  void OnMouseUp(MouseButton) override { Released(); }

 private:
  void Pressed();
  void Released();
  void Timer1_Tick();

  WindowContext ctx_;
};

}  // namespace vl
