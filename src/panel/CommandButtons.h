// The panel's command buttons: each turns a room bot command into one click on the target
// user, or opens the picker that sends it.
#pragma once

#include <string>

#include "core/WindowContext.h"
#include "panel/PanelControls.h"
#include "room/Command.h"

namespace vl {

class Reglages;

inline constexpr int kErrorFrameShown = 960;
inline constexpr int kErrorFrameHidden = 5400;
inline constexpr int kErrorFramePauseMs = 1000;

class CommandButtons {
 public:
  CommandButtons(const WindowContext& ctx, Reglages& panel, const PanelControls& c);

  // The missing-nickname signal: the red frame over the "Pseudo" line for one second.
  void MontreErreurPseudo();

 private:
  void SimpleCommand(Action action);
  void Query(Action action);
  void DefaultReasonCommand(Action action);
  void PickedReasonCommand(Action action);
  void Warning();
  void Announcements();
  void CategoryMessages();
  void Bind(Control& button, void (CommandButtons::*handler)(Action), Action action);
  const std::wstring& Target() const;

  WindowContext ctx_;
  Reglages& panel_;
  Control& frameerreur_;
};

}  // namespace vl
