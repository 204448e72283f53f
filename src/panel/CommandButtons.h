// The panel's command buttons: each turns a room bot command into one click on the target
// user, or opens the picker that sends it.
#pragma once

#include <string>

#include "core/WindowContext.h"
#include "panel/PanelControls.h"

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
  void SimpleCommand(const std::wstring& verb);
  void Query(const std::wstring& verb);
  void DefaultReasonCommand(const std::wstring& verb);
  void PickedReasonCommand(bool& request);
  void Warning();
  void Announcements();
  void CategoryMessages();
  void Bind(Control& button, void (CommandButtons::*action)(const std::wstring&),
            const std::wstring& verb);
  const std::wstring& Target() const;

  WindowContext ctx_;
  Reglages& panel_;
  Control& frameerreur_;
};

}  // namespace vl
